#include "convert/ConversionLoop.h"

#include "convert/BaseName.h"
#include "convert/FileConversion.h"
#include "convert/MergeIndex.h"
#include "convert/RunBoard.h"

#include <QThread>
#include <algorithm>
#include <exception>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace tolk {
namespace {

// Per listed file, the earlier listed file with the same base name, whose target it shares.
std::vector<std::optional<int>> EarlierWithTheSameTarget(const std::vector<std::string>& names) {
    std::unordered_map<std::string, int> firstByBase;
    firstByBase.reserve(names.size());
    std::vector<std::optional<int>> earlier(names.size());
    for (std::size_t index = 0; index < names.size(); ++index) {
        const auto [first, added] =
            firstByBase.emplace(BaseName(names[index]), static_cast<int>(index));
        if (!added) {
            earlier[index] = first->second;
        }
    }
    return earlier;
}

} // namespace

ConversionLoop::ConversionLoop(ConversionSettings settings, std::vector<std::string> names,
                               std::vector<HostConnection*> hosts, int jobs)
    : m_settings(std::move(settings)), m_names(std::move(names)), m_hosts(std::move(hosts)) {
    const int asked = std::max(jobs, static_cast<int>(m_hosts.size()));
    m_hosts.resize(std::min(m_hosts.size(), m_names.size()));
    m_spareEngines.Add(asked - static_cast<int>(m_hosts.size()));
    const int stretch = m_hosts.empty() ? 1 : m_hosts.front()->FilesAhead();
    m_board = std::make_unique<RunBoard>(static_cast<int>(m_names.size()),
                                         static_cast<int>(m_hosts.size()), stretch, StopGrace);
}

ConversionLoop::~ConversionLoop() {
    m_board->Hurry();
    WaitForJobs();
}

void ConversionLoop::WaitForJobs() const {
    for (const std::unique_ptr<QThread>& thread : m_threads) {
        thread->wait();
    }
}

void ConversionLoop::Start() {
    if (m_hosts.empty()) {
        m_board->Hurry();
        Announce();
        return;
    }
    m_merges = m_settings.MergeExt.empty() ? MergeIndex() : MergeIndex(m_settings.SourceFldr);
    m_board->StartJobs(static_cast<int>(m_hosts.size()));
    for (std::size_t job = 0; job < m_hosts.size(); ++job) {
        StartThread([this, job] { ConvertFiles(static_cast<int>(job)); });
    }
    StartThread([this] { EndRunsAfterStop(); });
    Announce();
}

template <class Work>
void ConversionLoop::StartThread(Work&& work) {
    m_threads.emplace_back(QThread::create(std::forward<Work>(work)));
    m_threads.back()->start();
}

// A job's stretch as its host is given it: the conversions of the files whose targets no earlier
// file takes. The files of the stretch begin and finish on the board in list order, those the
// host is not given in their place between the others.
class ConversionLoop::JobGate : public FileGate {
public:
    JobGate(ConversionLoop& loop, FileStretch stretch)
        : m_loop(loop), m_next(stretch.first), m_end(stretch.end) {
        for (int index = stretch.first; index < stretch.end; ++index) {
            if (!m_loop.m_earlier[static_cast<std::size_t>(index)]) {
                m_indices.push_back(index);
                m_files.push_back(ConversionOf(loop.m_settings, Name(index), loop.m_merges));
            }
        }
    }

    std::span<const FileConversion> Files() const { return m_files; }

    bool MayLand(std::size_t file) override {
        const int index = m_indices[file];
        while (m_next < index) {
            if (!BeginTargetTaken()) {
                return false;
            }
        }
        return Begin();
    }

    void Finished(std::size_t file, FileResult result) override {
        const int index = m_indices[file];
        Finish(index, OutcomeOf(m_loop.m_settings, Name(index), m_loop.m_merges, result));
    }

    /// The host is done: the files after its last one whose targets are taken finish, and those
    /// never begun are abandoned.
    void End() {
        while (m_next < m_end && m_loop.m_earlier[static_cast<std::size_t>(m_next)] &&
               BeginTargetTaken()) {
        }
        m_loop.m_board->Abandon(m_next, m_end);
    }

    /// The host failed with an error: the file in progress (or else the next one) ends the
    /// command with it.
    void Fail(const std::string& error) {
        if (!m_inProgress && (m_next >= m_end || !Begin())) {
            return;
        }
        FileOutcome outcome = NotConvertedOutcome(Name(*m_inProgress), error);
        outcome.failure = error;
        Finish(*m_inProgress, std::move(outcome));
    }

private:
    const std::string& Name(int index) const {
        return m_loop.m_names[static_cast<std::size_t>(index)];
    }

    bool Begin() {
        if (!m_loop.m_board->Begin(m_next)) {
            return false;
        }
        m_inProgress = m_next++;
        m_loop.Announce();
        return true;
    }

    bool BeginTargetTaken() {
        if (!Begin()) {
            return false;
        }
        const int index = *m_inProgress;
        const int earlier = *m_loop.m_earlier[static_cast<std::size_t>(index)];
        Finish(index, TargetTakenOutcome(m_loop.m_settings, Name(index), Name(earlier)));
        return true;
    }

    void Finish(int index, FileOutcome outcome) {
        m_inProgress.reset();
        m_loop.m_board->Finish(index, std::move(outcome));
        m_loop.Announce();
    }

    ConversionLoop& m_loop;
    int m_next;
    const int m_end;
    std::optional<int> m_inProgress;
    std::vector<int> m_indices;
    std::vector<FileConversion> m_files;
};

void ConversionLoop::ConvertFiles(int job) {
    // A walk over the whole list: made by the first job to get here rather than on the thread
    // that starts the run, which for the window is the one that answers the user.
    std::call_once(m_earlierFound, [this] { m_earlier = EarlierWithTheSameTarget(m_names); });
    HostConnection& host = *m_hosts[static_cast<std::size_t>(job)];
    const HostRun run{m_settings.TargetExt, m_endRuns.get_token(), &m_spareEngines};
    for (FileStretch stretch = m_board->Take(job); !stretch.Empty(); stretch = m_board->Take(job)) {
        JobGate gate(*this, stretch);
        try {
            host.ConvertFiles(gate.Files(), run, gate);
        } catch (const std::exception& error) {
            gate.Fail(error.what());
        }
        gate.End();
    }
    // Its engine may now read the candidates of another job's file.
    m_spareEngines.Add(1);
    m_board->JobEnded();
    Announce();
}

void ConversionLoop::EndRunsAfterStop() {
    // The request stands: an engine run that a job starts after it ends at once too.
    m_board->WaitForJobs([this] { m_endRuns.request_stop(); });
}

RunNews ConversionLoop::TakeNews(std::chrono::milliseconds wait) {
    // Cleared before the taking: news that comes after it is announced anew.
    m_announced = false;
    return m_board->TakeNews(wait);
}

void ConversionLoop::Announce() {
    if (!m_announced.exchange(true)) {
        emit NewsReady();
    }
}

void ConversionLoop::Shown(int count) {
    m_board->Shown(count);
}

void ConversionLoop::Hold(bool held) {
    m_board->Hold(held);
}

bool ConversionLoop::StopAsked() const {
    return m_board->StopAsked();
}

void ConversionLoop::Stop() {
    m_board->Stop();
    Announce();
}

} // namespace tolk
