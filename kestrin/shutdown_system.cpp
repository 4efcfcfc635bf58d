#include "shutdown_system.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace {

const QString kConnectionName = QStringLiteral("kestrin-shutdown");

// Logind has one request for what the flags ask: power off. Any other
// request (a reboot, logging off) is not one this system makes.
bool askLogindToPowerOff(unsigned flags) {
    if ((flags & kShutdownAndPowerOff) == 0) return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
    call << false;  // not interactive: nobody is there to give a password
    const QDBusMessage reply = QDBusConnection(kConnectionName).call(call);
    return reply.type() == QDBusMessage::ReplyMessage;
}

}  // namespace

bool SetTokenPrivilege(const QString& name, bool enable) {
    if (name != kShutdownPrivilege) return false;
    if (!enable) {
        const bool held = QDBusConnection(kConnectionName).isConnected();
        QDBusConnection::disconnectFromBus(kConnectionName);
        return held;
    }
    if (QDBusConnection::connectToBus(QDBusConnection::SystemBus, kConnectionName).isConnected()) return true;
    QDBusConnection::disconnectFromBus(kConnectionName);
    return false;
}

bool ShutdownSystem(unsigned flags) {
    if (!SetTokenPrivilege(kShutdownPrivilege, true)) return false;
    const bool accepted = askLogindToPowerOff(flags);
    SetTokenPrivilege(kShutdownPrivilege, false);
    return accepted;
}
