#include "logind_power_off.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>

namespace vrx {

namespace {
// logind answers at once; a bus that does not answer must not hold the window for long.
constexpr int kBusTimeoutMs = 3000;
} // namespace

bool canPowerOffAllows(const QString& answer) {
    return answer == QLatin1String("yes") || answer == QLatin1String("challenge");
}

bool LogindPowerOff::requestPowerOff(std::string& reason) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        reason = "system bus not available: " + bus.lastError().message().toStdString();
        return false;
    }
    QDBusInterface manager(QStringLiteral("org.freedesktop.login1"),
                           QStringLiteral("/org/freedesktop/login1"),
                           QStringLiteral("org.freedesktop.login1.Manager"), bus);
    manager.setTimeout(kBusTimeoutMs);
    const QDBusReply<QString> can = manager.call(QStringLiteral("CanPowerOff"));
    if (!can.isValid()) {
        reason = "CanPowerOff failed: " + can.error().message().toStdString();
        return false;
    }
    if (!canPowerOffAllows(can.value())) {
        reason = "power-off not permitted (CanPowerOff: " + can.value().toStdString() + ")";
        return false;
    }
    const QDBusReply<void> done = manager.call(QStringLiteral("PowerOff"), false);
    if (!done.isValid()) {
        reason = "PowerOff failed: " + done.error().message().toStdString();
        return false;
    }
    reason.clear();
    return true;
}

} // namespace vrx
