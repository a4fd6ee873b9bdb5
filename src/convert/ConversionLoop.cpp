#include "convert/ConversionLoop.h"

#include "convert/BaseName.h"
#include "convert/FileConversion.h"
#include "convert/MergeIndex.h"

#include <QThread>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>

namespace tolk {
namespace {

using Clock = std::chrono::steady_clock;

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

constexpr int NoFile = -1;

// How often the engine runs of the files in progress are ended again until their jobs end.
constexpr std::chrono::milliseconds EndRunsAgain(100);

} // namespace

// Hands the listed files out in list order, no further ahead of the showing than there are
// jobs, and collects their outcomes, so that they can be taken in list order whatever order the
// jobs finish in. Knows which file each job is converting, so that a stop can end it.
class ConversionLoop::Board {
public:
    Board(int listed, int jobs)
        : m_outcomes(static_cast<std::size_t>(listed)), m_jobs(jobs),
          m_converting(static_cast<std::size_t>(jobs), NoFile) {}

    // The next file for the job, once there is room for it; NoFile when there is none left or
    // the run was ended.
    int Take(int job) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_ended || m_next - m_shown < m_jobs; });
        if (m_ended || m_next == Listed()) {
            return NoFile;
        }
        m_started.push_back(m_next);
        Converting(job) = m_next;
        return m_next++;
    }

    void Finish(int job, int index, FileOutcome outcome) {
        const std::lock_guard lock(m_mutex);
        m_ended = m_ended || outcome.failure.has_value();
        outcome.stopped = m_stopAsked && !outcome.converted;
        m_outcomes[static_cast<std::size_t>(index)] = std::move(outcome);
        Converting(job) = NoFile;
        m_changed.notify_all();
    }

    void JobEnded() {
        const std::lock_guard lock(m_mutex);
        --m_jobsRunning;
        m_changed.notify_all();
    }

    void Stop() {
        const std::lock_guard lock(m_mutex);
        if (!m_stopAsked) {
            m_stopAsked = true;
            m_endRunsAt = std::min(m_endRunsAt.value_or(Clock::time_point::max()),
                                   Clock::now() + ConversionLoop::StopGrace);
        }
        m_ended = true;
        m_changed.notify_all();
    }

    bool StopAsked() {
        const std::lock_guard lock(m_mutex);
        return m_stopAsked;
    }

    void Shown(int count) {
        const std::lock_guard lock(m_mutex);
        m_shown = std::max(m_shown, count);
        m_changed.notify_all();
    }

    RunNews TakeNews(std::chrono::milliseconds wait) {
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, wait, [this] { return HasNews(); });
        RunNews news;
        news.started.swap(m_started);
        for (auto index = static_cast<std::size_t>(m_taken);
             index < m_outcomes.size() && m_outcomes[index]; ++index) {
            news.finishedInOrder.push_back(std::move(*m_outcomes[index]));
            m_outcomes[index].reset();
        }
        m_taken += static_cast<int>(news.finishedInOrder.size());
        news.last = AllTaken();
        m_lastGiven = news.last;
        return news;
    }

    // Waits until every job has ended. Once the time to end runs has come (the grace time after
    // a stop, or at once after Hurry), ends the engine runs of the files still in progress, and
    // again every little while, since a host forgets a stop when its next file opens and the
    // stop may have come just before that.
    template <class EndRuns>
    void WaitForJobs(EndRuns&& endRuns) {
        std::unique_lock lock(m_mutex);
        while (m_jobsRunning > 0) {
            if (!m_endRunsAt) {
                m_changed.wait(lock);
                continue;
            }
            if (Clock::now() < *m_endRunsAt) {
                m_changed.wait_until(lock, *m_endRunsAt);
                continue;
            }
            const std::vector<int> converting = m_converting;
            lock.unlock();
            endRuns(converting);
            lock.lock();
            m_changed.wait_for(lock, EndRunsAgain);
        }
    }

    // From now on the engine runs of the files in progress are ended without grace.
    void Hurry() {
        const std::lock_guard lock(m_mutex);
        m_ended = true;
        m_endRunsAt = Clock::now();
        m_changed.notify_all();
    }

    void StartJobs(int count) {
        const std::lock_guard lock(m_mutex);
        m_jobsRunning = count;
    }

private:
    int Listed() const { return static_cast<int>(m_outcomes.size()); }
    int& Converting(int job) { return m_converting[static_cast<std::size_t>(job)]; }
    bool AllTaken() const { return m_taken == m_next && (m_ended || m_next == Listed()); }
    bool HasNews() const {
        return !m_started.empty() ||
               (m_taken < Listed() && m_outcomes[static_cast<std::size_t>(m_taken)]) ||
               (AllTaken() && !m_lastGiven);
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::optional<FileOutcome>> m_outcomes;
    const int m_jobs;
    std::vector<int> m_converting;
    std::vector<int> m_started;
    int m_next = 0;
    int m_taken = 0;
    int m_shown = 0;
    int m_jobsRunning = 0;
    bool m_ended = false;
    bool m_stopAsked = false;
    bool m_lastGiven = false;
    std::optional<Clock::time_point> m_endRunsAt;
};

ConversionLoop::ConversionLoop(ConversionSettings settings, std::vector<std::string> names,
                               std::vector<HostConnection*> hosts)
    : m_settings(std::move(settings)), m_names(std::move(names)), m_hosts(std::move(hosts)) {
    m_hosts.resize(std::min(m_hosts.size(), m_names.size()));
    m_board = std::make_unique<Board>(static_cast<int>(m_names.size()),
                                      std::max(1, static_cast<int>(m_hosts.size())));
}

ConversionLoop::~ConversionLoop() {
    m_board->Hurry();
    for (const std::unique_ptr<QThread>& thread : m_threads) {
        thread->wait();
    }
}

void ConversionLoop::Start() {
    if (m_hosts.empty()) {
        m_board->Hurry();
        emit NewsReady();
        return;
    }
    m_earlier = EarlierWithTheSameTarget(m_names);
    m_merges = m_settings.MergeExt.empty() ? MergeIndex() : MergeIndex(m_settings.SourceFldr);
    m_board->StartJobs(static_cast<int>(m_hosts.size()));
    for (std::size_t job = 0; job < m_hosts.size(); ++job) {
        StartThread([this, job] { ConvertFiles(static_cast<int>(job)); });
    }
    StartThread([this] { EndRunsAfterStop(); });
    emit NewsReady();
}

template <class Work>
void ConversionLoop::StartThread(Work&& work) {
    m_threads.emplace_back(QThread::create(std::forward<Work>(work)));
    m_threads.back()->start();
}

void ConversionLoop::ConvertFiles(int job) {
    HostConnection& host = *m_hosts[static_cast<std::size_t>(job)];
    for (int index = m_board->Take(job); index != NoFile; index = m_board->Take(job)) {
        emit NewsReady();
        const auto file = static_cast<std::size_t>(index);
        m_board->Finish(job, index,
                        m_earlier[file]
                            ? TargetTakenOutcome(m_settings, m_names[file], *m_earlier[file])
                            : ConvertFile(m_settings, host, m_names[file], m_merges));
        emit NewsReady();
    }
    m_board->JobEnded();
    emit NewsReady();
}

void ConversionLoop::EndRunsAfterStop() {
    m_board->WaitForJobs([this](const std::vector<int>& converting) {
        for (std::size_t job = 0; job < converting.size(); ++job) {
            if (converting[job] != NoFile) {
                m_hosts[job]->Cancel();
            }
        }
    });
}

RunNews ConversionLoop::TakeNews(std::chrono::milliseconds wait) {
    return m_board->TakeNews(wait);
}

void ConversionLoop::Shown(int count) {
    m_board->Shown(count);
}

bool ConversionLoop::StopAsked() const {
    return m_board->StopAsked();
}

void ConversionLoop::Stop() {
    m_board->Stop();
    emit NewsReady();
}

} // namespace tolk
