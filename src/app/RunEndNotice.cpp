#include "app/RunEndNotice.h"

#include "app/AppTitle.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>

namespace tolk {
namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString ConnectionName = QStringLiteral("tolkconv-run-end-notice");
// The action a notification server runs when its notice itself is clicked.
const QString DefaultAction = QStringLiteral("default");
constexpr int AnswerTimeoutMs = 5000;

// The session bus the desktop runs, or nothing. An address that would have the bus library
// launch a bus of its own ("autolaunch:") is not one.
QString SessionBusAddress() {
    const QString given = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (!given.isEmpty()) {
        return given.contains(QLatin1String("autolaunch:")) ? QString() : given;
    }
    const QString userBus = qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus");
    return !qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && QFileInfo::exists(userBus)
               ? QStringLiteral("unix:path=") + userBus
               : QString();
}

} // namespace

RunEndNotice::~RunEndNotice() {
    if (m_bus) {
        QDBusConnection::disconnectFromBus(ConnectionName);
    }
}

bool RunEndNotice::Connect() {
    if (m_bus) {
        return m_bus->isConnected();
    }
    const QString address = SessionBusAddress();
    if (address.isEmpty()) {
        return false;
    }
    m_bus = QDBusConnection::connectToBus(address, ConnectionName);
    m_bus->connect(Service, Path, Service, QStringLiteral("ActionInvoked"), this,
                   SLOT(ActionInvoked(uint, QString)));
    return m_bus->isConnected();
}

void RunEndNotice::Send(const QString& summary, const QString& body) {
    if (!Connect()) {
        return;
    }
    QDBusMessage notify =
        QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("Notify"));
    notify << QString::fromUtf8(ApplicationTitle) << uint(0) << QStringLiteral("tolkconv")
           << summary << body << QStringList{DefaultAction, tr("Show the window")}
           << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("tolkconv")}} << int(-1);
    auto* answer = new QDBusPendingCallWatcher(m_bus->asyncCall(notify, AnswerTimeoutMs), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* watcher) {
                const QDBusPendingReply<uint> reply = *watcher;
                m_shown = reply.isValid() ? reply.value() : 0;
                watcher->deleteLater();
            });
}

void RunEndNotice::ActionInvoked(uint id, const QString& action) {
    if (m_shown != 0 && id == m_shown && action == DefaultAction) {
        emit Clicked();
    }
}

} // namespace tolk
