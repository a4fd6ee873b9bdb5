#include "convert/ConversionLoop.h"

#include "convert/BaseName.h"
#include "convert/FileConversion.h"
#include "convert/MergeIndex.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

namespace tolk {
namespace {

// How often the reporting thread looks whether the run was stopped while it waits.
constexpr auto StopPoll = std::chrono::milliseconds(20);

// What the jobs tell the thread that reports: which files began, which outcomes are ready, and
// whether that is all there will be.
struct News {
    std::vector<int> started;
    std::vector<FileOutcome> finishedInOrder; ///< from the first unreported file on
    bool last = false;
};

// Hands the listed files out in list order and collects their outcomes, so that the reporting
// thread can take them in list order whatever order the jobs finish in.
class FileBoard {
public:
    FileBoard(int listed, const std::atomic<bool>& stopped)
        : m_outcomes(static_cast<std::size_t>(listed)), m_stopRequested(stopped) {}

    // The next file for a job, or -1 when there is none left or the run was stopped.
    int Take() {
        const std::lock_guard lock(m_mutex);
        if (Stopped() || m_next == static_cast<int>(m_outcomes.size())) {
            return -1;
        }
        m_started.push_back(m_next);
        m_changed.notify_all();
        return m_next++;
    }

    void Finish(int index, FileOutcome outcome) {
        const std::lock_guard lock(m_mutex);
        m_ended = m_ended || outcome.failure.has_value();
        m_outcomes[static_cast<std::size_t>(index)] = std::move(outcome);
        m_changed.notify_all();
    }

    void Stop() {
        const std::lock_guard lock(m_mutex);
        m_ended = true;
    }

    // Waits until a file began, the first unreported one (at `reported`) is done, or no further
    // file will be handed out and every one handed out was reported.
    News WaitForNews(int reported) {
        std::unique_lock lock(m_mutex);
        const auto ready = [&] {
            return AllReported(reported) || !m_started.empty() ||
                   m_outcomes[static_cast<std::size_t>(reported)].has_value();
        };
        while (!ready()) {
            m_changed.wait_for(lock, StopPoll);
        }
        News news;
        news.started.swap(m_started);
        for (auto index = static_cast<std::size_t>(reported);
             index < m_outcomes.size() && m_outcomes[index]; ++index) {
            news.finishedInOrder.push_back(std::move(*m_outcomes[index]));
            m_outcomes[index].reset();
        }
        news.last = AllReported(reported + static_cast<int>(news.finishedInOrder.size()));
        return news;
    }

private:
    bool Stopped() const { return m_ended || m_stopRequested; }
    bool AllReported(int reported) const {
        return reported == m_next && (Stopped() || m_next == static_cast<int>(m_outcomes.size()));
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::optional<FileOutcome>> m_outcomes;
    const std::atomic<bool>& m_stopRequested;
    std::vector<int> m_started;
    int m_next = 0;
    bool m_ended = false;
};

// Per listed file, the earlier listed file with the same base name, whose target it shares.
std::vector<std::optional<std::string>>
EarlierWithTheSameTarget(const std::vector<std::string>& names) {
    std::map<std::string, std::string> firstByBase;
    std::vector<std::optional<std::string>> earlier;
    for (const std::string& name : names) {
        const auto [first, added] = firstByBase.emplace(BaseName(name), name);
        earlier.push_back(added ? std::nullopt : std::optional<std::string>(first->second));
    }
    return earlier;
}

// The jobs' threads, each converting the files it takes on its own host; whatever way the
// reporting ends, no further file is handed out and every job has ended before the board goes.
class Jobs {
public:
    Jobs(const ConversionSettings& settings, const std::vector<std::string>& names,
         const std::vector<HostConnection*>& hosts, FileBoard& board)
        : m_board(board), m_earlier(EarlierWithTheSameTarget(names)),
          m_merges(settings.MergeExt.empty() ? MergeIndex() : MergeIndex(settings.SourceFldr)) {
        const std::size_t count = std::min(hosts.size(), names.size());
        try {
            for (std::size_t job = 0; job < count; ++job) {
                m_threads.emplace_back([&, host = hosts[job]] {
                    for (int index = board.Take(); index >= 0; index = board.Take()) {
                        const auto file = static_cast<std::size_t>(index);
                        board.Finish(
                            index, m_earlier[file]
                                       ? TargetTakenOutcome(settings, names[file], *m_earlier[file])
                                       : ConvertFile(settings, *host, names[file], m_merges));
                    }
                });
            }
        } catch (...) {
            StopAndJoin();
            throw;
        }
    }
    ~Jobs() { StopAndJoin(); }
    Jobs(const Jobs&) = delete;
    Jobs& operator=(const Jobs&) = delete;

private:
    void StopAndJoin() {
        m_board.Stop();
        for (std::thread& thread : m_threads) {
            thread.join();
        }
    }

    FileBoard& m_board;
    const std::vector<std::optional<std::string>> m_earlier;
    const MergeIndex m_merges;
    std::vector<std::thread> m_threads;
};

} // namespace

ConversionLoop::ConversionLoop(ConversionSettings settings, std::vector<std::string> names,
                               std::vector<HostConnection*> hosts)
    : m_settings(std::move(settings)), m_names(std::move(names)), m_hosts(std::move(hosts)) {}

RunTotals ConversionLoop::Run(RunListener& listener) {
    RunTotals totals;
    if (m_names.empty() || m_hosts.empty()) {
        return totals;
    }
    FileBoard board(static_cast<int>(m_names.size()), m_stopped);
    const Jobs jobs(m_settings, m_names, m_hosts, board);
    for (bool last = false; !last;) {
        News news = board.WaitForNews(totals.done);
        last = news.last;
        for (const int index : news.started) {
            listener.FileStarted(index);
        }
        for (const FileOutcome& outcome : news.finishedInOrder) {
            listener.FileFinished(totals.done++, outcome);
            totals.converted += outcome.converted ? 1 : 0;
            totals.partlyKept += outcome.converted && !outcome.notKept.empty() ? 1 : 0;
            if (!outcome.mergeMissing.empty()) {
                totals.mergeMissingList += "\r\n" + outcome.mergeMissing;
            }
            if (outcome.failure) {
                totals.failure = outcome.failure;
                return totals;
            }
        }
    }
    return totals;
}

} // namespace tolk
