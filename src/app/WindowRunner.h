#pragma once

#include "convert/ConvertCommand.h"
#include "convert/JobHosts.h"

#include <QObject>
#include <QThread>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// Runs the window's conversion commands: the jobs convert off the window's thread, and what
/// they did is shown on it through the window's sink as the news comes (a queued signal, so
/// that nothing reaches a runner that is gone). A message box the showing opens holds the run
/// until it is answered. What could keep the window waiting happens on a thread of its own:
/// making the jobs' hosts (finding the engine, reading its formats), tidying the target folder
/// before the run, and waiting for the jobs' threads to end after it.
class WindowRunner : public QObject {
    Q_OBJECT

public:
    /// The jobs' hosts are the program's own and, for more jobs, hosts made by `make`.
    WindowRunner(RunSink& window, HostConnection& own, HostFactory make, int jobs);
    /// Ends a run still going at once, without showing more of it.
    ~WindowRunner() override;

    /// From Start until Ended.
    bool Running() const { return m_request || m_command; }
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
    /// Does the work on a thread of its own, then `then` on the window's.
    template <class Work>
    void OffThread(Work&& work, void (WindowRunner::*then)());
    /// The hosts are ready: the command starts.
    void Begin();
    void ShowNews();
    /// The jobs' threads have ended: the command goes.
    void Finish();

    RunSink& m_window;
    /// Shows the news once the window's other events and timers had their turn. A timer, not a
    /// posted event: Qt's event loop runs no further timer while posted events keep coming, and
    /// a busy run would keep them coming.
    QTimer m_newsTimer;
    JobHosts m_hosts;
    /// The command while its hosts are made ready.
    std::optional<CommandRequest> m_request;
    bool m_stopAsked = false;
    std::unique_ptr<ConvertCommand> m_command;
    std::unique_ptr<QThread> m_worker;
};

} // namespace tolk
