#pragma once

#include "convert/ConversionLoop.h"
#include "convert/RunLog.h"
#include "convert/RunPresenter.h"
#include "convert/RunSink.h"
#include "convert/RunTotals.h"
#include "core/Messenger.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// How the checks made before a command's run came out.
enum class RunCheck { Passed, NoTargetFolder, Refused };

/// The checks made before any file of a run is converted, in order: the target folder (offered
/// to be created), clashing types, and what the host refuses. Each shows why it fails.
RunCheck CheckBeforeRun(const ConversionSettings& settings, const HostConnection& host,
                        Messenger& messenger);

/// What a conversion command is to do once its checks have passed.
struct CommandRequest {
    RunCommand command = RunCommand::ConvertAll;
    ConversionSettings settings;
    /// The listed file names to convert, in order.
    std::vector<std::string> names;
    /// One per job, made ready (JobHosts::ReadyFor); the first is told when the command ends.
    std::vector<HostConnection*> hosts;
    /// Where "conversion.log" is written; none when empty.
    std::string logFolder;
    /// How many jobs the command was asked for, when more than its hosts (fewer files than jobs).
    int jobs = 0;
};

/// "Convert All" and "Convert Selected" as both programs run them: the loop over the names, each
/// file shown in list order as it is done (and logged), then the end of the command. The showing
/// happens on the thread that calls ShowNews or RunToEnd, which also holds the run: no further
/// file begins while a file's showing has not returned.
class ConvertCommand {
public:
    /// Shows the run through the sink, as the window shows it.
    ConvertCommand(CommandRequest request, RunSink& sink);
    /// Shows each file through the listener and the end through the sink.
    ConvertCommand(CommandRequest request, RunListener& listener, CommandSink& sink);
    ConvertCommand(const ConvertCommand&) = delete;
    ConvertCommand& operator=(const ConvertCommand&) = delete;

    /// The loop, to hear of its news (ConversionLoop::NewsReady) and to stop it.
    ConversionLoop& Loop() { return m_loop; }
    void Start() { m_loop.Start(); }
    /// Shows what the run has to show, waiting up to `wait` for it; true once the run is over and
    /// its end was shown. A call made while an earlier one is still showing (from inside a
    /// message box) does nothing and answers false: the earlier one goes on with the news.
    bool ShowNews(std::chrono::milliseconds wait = std::chrono::milliseconds(0));
    /// Whether the last showing ended for its time while news was still coming: call ShowNews
    /// again once the caller's thread has had its turn.
    bool NewsLeft() const { return m_newsLeft && !m_showing; }
    /// Starts and shows the whole run on the calling thread; asks `stopAsked` every little while
    /// and stops the run when it says so.
    const RunTotals& RunToEnd(const std::function<bool()>& stopAsked = {});
    const RunTotals& Totals() const { return m_totals; }

private:
    /// Shown through the sink when `shownIn` is given, else through the listener.
    ConvertCommand(CommandRequest request, RunSink* shownIn, RunListener* listener,
                   CommandSink& sink);
    void Show(const RunNews& news);
    void Count(int index, const FileOutcome& outcome);
    void ShowNotBegun();
    void End();
    int ListedCount() const { return static_cast<int>(m_loop.Names().size()); }

    RunCommand m_command;
    ConversionLoop m_loop;
    std::optional<RunPresenter> m_presenter;
    RunListener& m_listener;
    CommandSink& m_sink;
    std::optional<RunLog> m_log;
    RunTotals m_totals;
    /// The host that is told when the run has ended.
    HostConnection* m_host = nullptr;
    /// The listed file shown last; -1 before the first.
    int m_lastShown = -1;
    /// Per listed file, whether its outcome was shown.
    std::vector<bool> m_shown;
    bool m_showing = false;
    bool m_newsLeft = false;
    bool m_over = false;
};

} // namespace tolk
