#pragma once

#include "convert/ConvertCommand.h"
#include "convert/JobHosts.h"

#include <QObject>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

namespace tolk {

/// Runs the window's conversion commands: the jobs convert off the window's thread, and what
/// they did is shown on it through the window's sink as the news comes (a queued signal, so
/// that nothing reaches a runner that is gone). A message box the showing opens holds the run
/// until it is answered.
class WindowRunner : public QObject {
    Q_OBJECT

public:
    /// The jobs' hosts are the program's own and, for more jobs, hosts made by `make`.
    WindowRunner(RunSink& window, HostConnection& own, HostFactory make, int jobs);
    /// Ends a run still going at once, without showing more of it.
    ~WindowRunner() override;

    bool Running() const { return m_command != nullptr; }
    /// Starts the command over the names; does nothing while a command runs.
    void Start(RunCommand command, const ConversionSettings& settings,
               std::vector<std::string> names, const std::string& logFolder);
    /// No further file begins; those in progress finish (or are stopped) and are shown.
    void Stop();
    /// The further jobs' hosts are made anew for the next command.
    void ForgetHosts() { m_hosts.Forget(); }

signals:
    /// A part of the run's news was shown through the window's sink.
    void NewsShown();
    /// The command is over and everything it had to show was shown.
    void Ended(const tolk::RunTotals& totals);

private:
    void ShowNews();

    RunSink& m_window;
    /// Shows the news once the window's other events and timers had their turn. A timer, not a
    /// posted event: Qt's event loop runs no further timer while posted events keep coming, and
    /// a busy run would keep them coming.
    QTimer m_newsTimer;
    JobHosts m_hosts;
    std::unique_ptr<ConvertCommand> m_command;
};

} // namespace tolk
