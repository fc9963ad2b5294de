#include "qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "frm_msgbox.h"
#include "live_graph_widget.h"

namespace vrx::gui {
namespace {
QMessageBox::Icon toQt(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Information:
        return QMessageBox::Information;
    case BoxIcon::Warning:
        return QMessageBox::Warning;
    case BoxIcon::Critical:
        return QMessageBox::Critical;
    case BoxIcon::Question:
        return QMessageBox::Question;
    case BoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// "WAVE Files (*.wav)|*.wav|All Files(*.*)|*.*" -> "WAVE Files (*.wav);;All Files (*)": Qt reads
// the patterns from the parentheses, and "*.*" would hide files without a dot here.
QString toQtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        const qsizetype open = name.indexOf(QLatin1Char('('));
        if (open >= 0) name.truncate(open);
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patterns == QLatin1String("*.*")) patterns = QStringLiteral("*");
        out << name.trimmed() + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}
} // namespace

BoxAnswer QtDialogs::standardBox(const std::string& title, const std::string& text, BoxIcon icon,
                                 BoxButtons buttons) {
    QWidget* parent = owner ? owner() : nullptr;
    QMessageBox box(toQt(icon), QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::NoButton, parent && parent->isVisible() ? parent : nullptr);
    if (alwaysOnTop && alwaysOnTop()) box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (buttons == BoxButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return BoxAnswer::Yes;
    case QMessageBox::No:
        return BoxAnswer::No;
    case QMessageBox::Ok:
        return BoxAnswer::Ok;
    default:
        return BoxAnswer::Closed;
    }
}

int QtDialogs::messageBox(const MessageBoxRequest& request) {
    QWidget* parent = owner ? owner() : nullptr;
    FrmMsgbox box(request, alwaysOnTop && alwaysOnTop(), parent && parent->isVisible() ? parent : nullptr);
    return box.exec();
}

// Choosers open from dialogs: over that dialog, so a topmost dialog cannot hide it.
std::string QtDialogs::runChooser(const std::string& title, const std::string& filter,
                                  const std::string& extension, const std::string& folder, bool saving) {
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent && owner) parent = owner();
    QFileDialog chooser(parent && parent->isVisible() ? parent : nullptr, QString::fromStdString(title),
                        QString::fromStdString(folder), toQtFilter(filter));
    if (alwaysOnTop && alwaysOnTop()) chooser.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    chooser.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    chooser.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QString suffix = QString::fromStdString(extension);
    if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
    chooser.setDefaultSuffix(suffix);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return {};
    return chooser.selectedFiles().constFirst().toStdString();
}

std::string QtDialogs::openFile(const OpenFileRequest& request) {
    return runChooser(request.title, request.filter, request.defaultExtension, request.folder, false);
}

// QFileDialog asks before replacing an existing file in save mode (no DontConfirmOverwrite).
std::string QtDialogs::saveFile(const SaveFileRequest& request) {
    // A folder followed by a name opens the chooser in that folder with the name filled in.
    return runChooser(request.title, request.filter, request.defaultExtension, request.folder + request.name, true);
}

} // namespace vrx::gui

namespace vrx::gui {

// Colours are kept as 0x00BBGGRR; the chooser opens in its full form, as the settings ask for an
// exact colour more often than a named one.
std::optional<std::int32_t> QtDialogs::chooseColor(std::int32_t bgr) {
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent && owner) parent = owner();
    QColorDialog chooser(fromBgr(bgr), parent && parent->isVisible() ? parent : nullptr);
    if (alwaysOnTop && alwaysOnTop()) chooser.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (chooser.exec() != QDialog::Accepted) return std::nullopt;
    const QColor c = chooser.selectedColor();
    if (!c.isValid()) return std::nullopt;
    return toBgr(c);
}

} // namespace vrx::gui
