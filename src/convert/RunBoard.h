#pragma once

#include "convert/FileOutcome.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tolk {

/// What a run has to show since it was last asked.
struct RunNews {
    /// The listed files that began, in the order they began (near list order: jobs begin their
    /// files side by side).
    std::vector<int> started;
    /// The files done, each with its outcome, in list order from the first one not yet taken on.
    /// Files handed out but never begun (after a stop) are passed over.
    std::vector<std::pair<int, FileOutcome>> finishedInOrder;
    /// No file will begin or finish after these.
    bool last = false;
};

/// A stretch of listed files handed to one job: [first, end).
struct FileStretch {
    int first = 0;
    int end = 0;

    bool Empty() const { return first >= end; }
};

/// The shared state of a conversion run: hands the listed files out to the jobs in list order, in
/// stretches, and collects their outcomes so that they can be taken in list order whatever order
/// the jobs finish in. A file begins only while it is fewer than jobs times `stretch` files ahead
/// of the showing (with stretches of one file: while fewer files than jobs are unshown) and
/// nothing holds the showing. Safe to use from every thread of a run.
class RunBoard {
public:
    using Clock = std::chrono::steady_clock;

    /// `stretch` is the most files a job takes at once; after a stop, the files in progress have
    /// `stopGrace` before their engine runs are ended.
    RunBoard(int listed, int jobs, int stretch, std::chrono::milliseconds stopGrace);

    /// The next stretch for the job, whose last one is done: its share of what is left among the
    /// jobs without a stretch, at most `stretch` files; empty when none is left or the run was
    /// ended.
    FileStretch Take(int job);
    /// Waits until the file may begin; false when the run was ended, and the file and the
    /// rest of its stretch are then never begun.
    bool Begin(int index);
    void Finish(int index, FileOutcome outcome);
    /// The files from `first` to `end` were handed out but will never begin.
    void Abandon(int first, int end);
    void JobEnded();

    /// No further file begins; the grace time for the files in progress starts.
    void Stop();
    /// No further file begins, and the engine runs of the files in progress are to end now.
    void Hurry();
    bool StopAsked();
    /// The first `count` listed files have been shown.
    void Shown(int count);
    /// While held (a message box on screen), no file begins.
    void Hold(bool held);

    /// What happened since the last call, waiting up to `wait` for something to happen.
    RunNews TakeNews(std::chrono::milliseconds wait);
    /// Waits until every job has ended; once the time to end runs has come (the grace time
    /// after Stop, or at once after Hurry), calls `endRuns` once.
    void WaitForJobs(const std::function<void()>& endRuns);
    void StartJobs(int count);

private:
    int Listed() const { return m_listed; }
    bool AllTaken() const { return m_taken == m_next && (m_ended || m_next == Listed()); }
    bool HasNews() const;
    bool Ready(int index) const;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    /// Jobs ended or the run's end was asked for: what the wait for the jobs wakes for, rather
    /// than for every file begun or finished.
    std::condition_variable m_jobsOrEnd;
    const int m_listed;
    /// The files handed out and not yet taken as news that finished, with their outcomes, or
    /// will never begin, without: only these, so that a long list costs nothing up front.
    std::unordered_map<int, std::optional<FileOutcome>> m_settled;
    const int m_jobs;
    const int m_stretch;
    const std::chrono::milliseconds m_stopGrace;
    /// Per job, whether it holds a stretch not yet done.
    std::vector<bool> m_holding;
    std::vector<int> m_started;
    int m_next = 0;
    int m_taken = 0;
    int m_shown = 0;
    int m_jobsRunning = 0;
    bool m_held = false;
    bool m_ended = false;
    bool m_stopAsked = false;
    bool m_lastGiven = false;
    std::optional<Clock::time_point> m_endRunsAt;
};

} // namespace tolk
