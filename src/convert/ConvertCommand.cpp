#include "convert/ConvertCommand.h"

#include "convert/FileConversion.h"
#include "convert/RunChecks.h"
#include "core/Text.h"
#include "core/Translate.h"

#include <thread>

namespace tolk {
namespace {

// How often a run on the calling thread asks whether it is to stop.
constexpr std::chrono::milliseconds StopAskedEvery(50);
// How long one showing goes on while news keeps coming, so that the window's event loop gets its
// turn during a busy run.
constexpr std::chrono::milliseconds ShowingSlice(10);

// How long news gathers between showings when nothing else waits on the run.
constexpr std::chrono::milliseconds NewsGathering(2);

} // namespace

RunCheck CheckBeforeRun(const ConversionSettings& settings, const HostConnection& host,
                        Messenger& messenger) {
    if (!CheckTargetFolder(settings, messenger)) {
        return RunCheck::NoTargetFolder;
    }
    return CheckTypeConflicts(settings, messenger) && CheckRunRefusals(settings, host, messenger)
               ? RunCheck::Passed
               : RunCheck::Refused;
}

ConvertCommand::ConvertCommand(CommandRequest request, RunSink& sink)
    : ConvertCommand(std::move(request), &sink, nullptr, sink) {}

ConvertCommand::ConvertCommand(CommandRequest request, RunListener& listener, CommandSink& sink)
    : ConvertCommand(std::move(request), nullptr, &listener, sink) {}

ConvertCommand::ConvertCommand(CommandRequest request, RunSink* shownIn, RunListener* listener,
                               CommandSink& sink)
    : m_command(request.command),
      m_loop(std::move(request.settings), std::move(request.names), request.hosts, request.jobs),
      m_presenter(shownIn ? std::optional<RunPresenter>(std::in_place, m_loop.Names(), *shownIn)
                          : std::nullopt),
      m_listener(listener ? *listener : *m_presenter), m_sink(sink),
      m_shown(m_loop.Names().size()) {
    if (!request.logFolder.empty()) {
        m_log.emplace(request.logFolder);
    }
    if (!request.hosts.empty()) {
        m_host = request.hosts.front();
    }
}

bool ConvertCommand::ShowNews(std::chrono::milliseconds wait) {
    if (m_showing) {
        return false;
    }
    if (m_over) {
        return true;
    }
    m_showing = true;
    const auto sliceEnd = std::chrono::steady_clock::now() + wait + ShowingSlice;
    bool more = true;
    while (more && !m_over && std::chrono::steady_clock::now() < sliceEnd) {
        const RunNews news = m_loop.TakeNews(wait);
        more = !news.started.empty() || !news.finishedInOrder.empty();
        Show(news);
        if (news.last) {
            End();
        }
        wait = {};
    }
    m_newsLeft = more && !m_over;
    m_showing = false;
    return m_over;
}

const RunTotals& ConvertCommand::RunToEnd(const std::function<bool()>& stopAsked) {
    Start();
    while (!ShowNews(StopAskedEvery)) {
        if (stopAsked && stopAsked()) {
            m_loop.Stop();
        }
        // Taken as it comes, the news of each file would wake this thread, through the job that
        // tells it, twice a file: gathered a moment, each showing takes many files.
        std::this_thread::sleep_for(NewsGathering);
    }
    return m_totals;
}

void ConvertCommand::Show(const RunNews& news) {
    for (const int index : news.started) {
        m_listener.FileStarted(index);
    }
    for (const auto& [index, outcome] : news.finishedInOrder) {
        // A message box holds the run until it is answered.
        const bool boxes = !outcome.messages.empty();
        m_loop.Hold(boxes);
        m_listener.FileFinished(index, outcome);
        if (m_log) {
            m_log->Add(m_loop.Names()[static_cast<std::size_t>(index)], outcome);
        }
        Count(index, outcome);
        m_loop.Hold(false);
        m_loop.Shown(index + 1);
    }
}

void ConvertCommand::Count(int index, const FileOutcome& outcome) {
    ++m_totals.done;
    m_shown[static_cast<std::size_t>(index)] = true;
    if (!outcome.converted) {
        m_totals.notConverted.push_back(index);
    }
    // After a stop, the first file passed over is where to go on, unless one before failed.
    if (!m_totals.resumeAt && index > m_lastShown + 1 && m_loop.StopAsked()) {
        m_totals.resumeAt = m_lastShown + 1;
    }
    m_lastShown = index;
    m_totals.converted += outcome.converted ? 1 : 0;
    m_totals.partlyKept += outcome.converted && !outcome.notKept.empty() ? 1 : 0;
    if (!outcome.mergeMissing.empty()) {
        m_totals.mergeMissingList += "\r\n" + PrintableName(outcome.mergeMissing);
    }
    if (outcome.failure && !m_totals.failure) {
        m_totals.failure = outcome.failure;
    }
    if (outcome.stopped && !m_totals.resumeAt) {
        m_totals.resumeAt = index;
    }
}

// An error that ends the run keeps the files after it from beginning: each is counted and logged
// as not converted, with why, so that the totals cover every listed file.
void ConvertCommand::ShowNotBegun() {
    for (int index = 0; index < ListedCount(); ++index) {
        if (m_shown[static_cast<std::size_t>(index)]) {
            continue;
        }
        const std::string& name = m_loop.Names()[static_cast<std::size_t>(index)];
        const FileOutcome outcome =
            NotConvertedOutcome(name, Tr("Convert", "not begun: an error ended the run"));
        m_listener.FileNotBegun(index, outcome);
        if (m_log) {
            m_log->Add(name, outcome);
        }
        Count(index, outcome);
    }
}

void ConvertCommand::End() {
    m_over = true;
    if (m_loop.StopAsked() && !m_totals.resumeAt && m_lastShown + 1 < ListedCount()) {
        m_totals.resumeAt = m_lastShown + 1;
    }
    if (m_totals.failure) {
        ShowNotBegun();
    }
    m_listener.RunEnded();
    if (m_host) {
        m_host->RunEnded();
    }
    ShowRunEnd(m_command, m_totals, m_sink);
}

} // namespace tolk
