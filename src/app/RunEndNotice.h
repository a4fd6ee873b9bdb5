#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <optional>

namespace tolk {

/// Tells the desktop that a long run ended, through the freedesktop notification service
/// (org.freedesktop.Notifications) on the session bus. The bus is reached only when a notice is
/// sent, and never started: without a session bus to connect to, or when no service answers,
/// nothing is shown and nothing is said.
class RunEndNotice : public QObject {
    Q_OBJECT

public:
    explicit RunEndNotice(QObject* parent) : QObject(parent) {}
    ~RunEndNotice() override;

    /// Shows the notice, unless the bus or the service is not there. Does not wait for the
    /// service's answer.
    void Send(const QString& summary, const QString& body);

signals:
    /// The user clicked the notice last sent.
    void Clicked();

private slots:
    void ActionInvoked(uint id, const QString& action);

private:
    bool Connect();

    std::optional<QDBusConnection> m_bus;
    /// What the service numbered the notice last sent; 0 until it answered.
    uint m_shown = 0;
};

} // namespace tolk
