#include "batch/ParallelConversion.h"

#include "batch/FileRecorder.h"
#include "convert/ConversionRun.h"
#include "core/ErrorReport.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace tolk {
namespace {

// What the jobs tell the thread that reports: which files began, and which outcomes are ready.
struct News {
    std::vector<int> started;
    std::vector<FileOutcome> finishedInOrder; ///< from the first unreported file on
};

// Hands the listed files out in list order and collects their outcomes, so that the reporting
// thread can take them in list order whatever order the jobs finish in.
class FileBoard {
public:
    explicit FileBoard(int listed) : m_outcomes(static_cast<std::size_t>(listed)) {}

    // The next file for a job, or -1 when there is none left or the run was stopped.
    int Take() {
        const std::lock_guard lock(m_mutex);
        if (m_stopped || m_next == static_cast<int>(m_outcomes.size())) {
            return -1;
        }
        m_started.push_back(m_next);
        m_changed.notify_all();
        return m_next++;
    }

    void Finish(int index, FileOutcome outcome) {
        const std::lock_guard lock(m_mutex);
        m_stopped = m_stopped || outcome.failure.has_value();
        m_outcomes[static_cast<std::size_t>(index)] = std::move(outcome);
        m_changed.notify_all();
    }

    void Stop() {
        const std::lock_guard lock(m_mutex);
        m_stopped = true;
    }

    // Waits until a file began or the first unreported one (at `reported`) is done.
    News WaitForNews(int reported) {
        std::unique_lock lock(m_mutex);
        const auto ready = [&] {
            return m_outcomes[static_cast<std::size_t>(reported)].has_value();
        };
        m_changed.wait(lock, [&] { return !m_started.empty() || ready(); });
        News news;
        news.started.swap(m_started);
        for (auto index = static_cast<std::size_t>(reported);
             index < m_outcomes.size() && m_outcomes[index]; ++index) {
            news.finishedInOrder.push_back(std::move(*m_outcomes[index]));
            m_outcomes[index].reset();
        }
        return news;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::optional<FileOutcome>> m_outcomes;
    std::vector<int> m_started;
    int m_next = 0;
    bool m_stopped = false;
};

// One job: converts the files it takes, one after the other, on its own host.
void RunJob(ConversionRun& run, FileRecorder& recorder, FileBoard& board) {
    for (int index = board.Take(); index >= 0; index = board.Take()) {
        FileOutcome outcome;
        recorder.RecordInto(outcome);
        const int convertedBefore = run.ConvertedCount();
        const std::size_t missingBefore = run.MergeMissingList().size();
        // A failure that ends the window's command ends this file's sequence the same way and
        // becomes the outcome's failure.
        RunGuarded(recorder, [&] { run.ConvertFile(index); });
        outcome.converted = run.ConvertedCount() > convertedBefore;
        outcome.mergeMissing = run.MergeMissingList().substr(missingBefore);
        board.Finish(index, std::move(outcome));
    }
}

// The jobs' threads; whatever way the reporting ends, no further file is handed out and every
// job has ended before the board and the runs go away.
class Jobs {
public:
    Jobs(ConversionSettings& settings, SourceFileList& files, std::vector<HostConnection>& hosts,
         FileBoard& board, std::size_t count)
        : m_board(board), m_recorders(count) {
        m_runs.reserve(count);
        for (std::size_t job = 0; job < count; ++job) {
            m_runs.emplace_back(settings, hosts[job], files, m_recorders[job], m_recorders[job]);
        }
        try {
            for (std::size_t job = 0; job < count; ++job) {
                m_threads.emplace_back(RunJob, std::ref(m_runs[job]), std::ref(m_recorders[job]),
                                       std::ref(board));
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
    std::vector<FileRecorder> m_recorders;
    std::vector<ConversionRun> m_runs;
    std::vector<std::thread> m_threads;
};

} // namespace

ConversionTotals ConvertAllInParallel(ConversionSettings& settings, SourceFileList& files,
                                      std::vector<HostConnection>& hosts,
                                      ConversionListener& listener) {
    ConversionTotals totals;
    totals.listed = files.Count();
    if (totals.listed == 0 || hosts.empty()) {
        return totals;
    }
    FileBoard board(totals.listed);
    const Jobs jobs(settings, files, hosts, board,
                    std::min(hosts.size(), static_cast<std::size_t>(totals.listed)));
    for (int reported = 0; reported < totals.listed;) {
        News news = board.WaitForNews(reported);
        for (const int index : news.started) {
            listener.FileStarted(index);
        }
        for (const FileOutcome& outcome : news.finishedInOrder) {
            listener.FileFinished(reported++, outcome);
            totals.converted += outcome.converted ? 1 : 0;
            totals.mergeMissingList += outcome.mergeMissing;
            if (outcome.failure) {
                totals.failure = outcome.failure;
                return totals;
            }
        }
    }
    return totals;
}

} // namespace tolk
