#include "convert/RunBoard.h"

#include <algorithm>

namespace tolk {

RunBoard::RunBoard(int listed, int jobs, int stretch, std::chrono::milliseconds stopGrace)
    : m_listed(listed), m_jobs(std::max(1, jobs)), m_stretch(std::max(1, stretch)),
      m_stopGrace(stopGrace), m_holding(static_cast<std::size_t>(m_jobs), false) {}

FileStretch RunBoard::Take(int job) {
    const std::lock_guard lock(m_mutex);
    m_holding[static_cast<std::size_t>(job)] = false;
    if (m_ended) {
        return {};
    }
    // An even share of what is left among the jobs that have nothing left to do, so that the jobs
    // end together.
    const auto free = std::ranges::count(m_holding, false);
    const int left = Listed() - m_next;
    const int share = std::min<int>(m_stretch, static_cast<int>((left + free - 1) / free));
    const FileStretch stretch{m_next, m_next + share};
    m_next = stretch.end;
    m_holding[static_cast<std::size_t>(job)] = share > 0;
    return stretch;
}

bool RunBoard::Ready(int index) const {
    return !m_held && index - m_shown < m_jobs * m_stretch;
}

bool RunBoard::Begin(int index) {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_ended || Ready(index); });
    if (m_ended) {
        return false;
    }
    m_started.push_back(index);
    m_changed.notify_all();
    return true;
}

void RunBoard::Finish(int index, FileOutcome outcome) {
    const std::lock_guard lock(m_mutex);
    m_ended = m_ended || outcome.failure.has_value();
    outcome.stopped = m_stopAsked && !outcome.converted;
    m_settled.insert_or_assign(index, std::move(outcome));
    m_changed.notify_all();
}

void RunBoard::Abandon(int first, int end) {
    const std::lock_guard lock(m_mutex);
    for (int index = first; index < end; ++index) {
        m_settled.emplace(index, std::nullopt);
    }
    m_changed.notify_all();
}

void RunBoard::JobEnded() {
    const std::lock_guard lock(m_mutex);
    --m_jobsRunning;
    m_changed.notify_all();
    m_jobsOrEnd.notify_all();
}

void RunBoard::StartJobs(int count) {
    const std::lock_guard lock(m_mutex);
    m_jobsRunning = count;
}

void RunBoard::Stop() {
    const std::lock_guard lock(m_mutex);
    if (!m_stopAsked) {
        m_stopAsked = true;
        m_endRunsAt =
            std::min(m_endRunsAt.value_or(Clock::time_point::max()), Clock::now() + m_stopGrace);
    }
    m_ended = true;
    m_changed.notify_all();
    m_jobsOrEnd.notify_all();
}

void RunBoard::Hurry() {
    const std::lock_guard lock(m_mutex);
    m_ended = true;
    m_endRunsAt = Clock::now();
    m_changed.notify_all();
    m_jobsOrEnd.notify_all();
}

bool RunBoard::StopAsked() {
    const std::lock_guard lock(m_mutex);
    return m_stopAsked;
}

void RunBoard::Shown(int count) {
    const std::lock_guard lock(m_mutex);
    m_shown = std::max(m_shown, count);
    m_changed.notify_all();
}

void RunBoard::Hold(bool held) {
    const std::lock_guard lock(m_mutex);
    m_held = held;
    m_changed.notify_all();
}

bool RunBoard::HasNews() const {
    return !m_started.empty() || (m_taken < m_next && m_settled.contains(m_taken)) ||
           (AllTaken() && !m_lastGiven);
}

RunNews RunBoard::TakeNews(std::chrono::milliseconds wait) {
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, wait, [this] { return HasNews(); });
    RunNews news;
    news.started.swap(m_started);
    for (; m_taken < m_next; ++m_taken) {
        const auto settled = m_settled.find(m_taken);
        if (settled == m_settled.end()) {
            break;
        }
        if (settled->second) {
            news.finishedInOrder.emplace_back(m_taken, std::move(*settled->second));
        }
        m_settled.erase(settled);
    }
    news.last = AllTaken();
    m_lastGiven = news.last;
    return news;
}

void RunBoard::WaitForJobs(const std::function<void()>& endRuns) {
    std::unique_lock lock(m_mutex);
    while (m_jobsRunning > 0) {
        if (!m_endRunsAt) {
            m_jobsOrEnd.wait(lock);
        } else if (Clock::now() < *m_endRunsAt) {
            m_jobsOrEnd.wait_until(lock, *m_endRunsAt);
        } else {
            lock.unlock();
            endRuns();
            lock.lock();
            m_jobsOrEnd.wait(lock, [this] { return m_jobsRunning == 0; });
        }
    }
}

} // namespace tolk
