#include "folder_failure.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace vrx::app {
namespace {

constexpr int kExitStatus = 1;

bool set(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// Without any of these Qt has no screen to try, and would only add its own complaint.
bool displayConfigured() {
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

// A display that turns out unusable makes Qt give up with a fatal message and abort; the reason is
// already printed, so end with the status of the failure instead.
void exitOnFatal(QtMsgType type, const QMessageLogContext&, const QString& message) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    if (type == QtFatalMsg) std::_Exit(kExitStatus);
}

// Platforms nobody looks at: a box there would wait for a click forever.
bool unseen(const QString& platform) {
    return platform == "offscreen" || platform == "minimal";
}

} // namespace

int reportUnusableDataFolder(int argc, char** argv, const std::string& dir, const std::string& reason) {
    std::string shown = dir;
    if (shown.size() > 1 && shown.back() == '/') shown.pop_back();
    const std::string text = "cannot use data folder " + shown + ": " + reason;
    std::fprintf(stderr, "vrx: %s\n", text.c_str());
    std::fflush(stderr);
    if (!displayConfigured()) return kExitStatus;

    qInstallMessageHandler(exitOnFatal);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    if (!unseen(QGuiApplication::platformName()))
        QMessageBox::critical(nullptr, "vrx", QString::fromStdString(text));
    return kExitStatus;
}

} // namespace vrx::app
