#include "convert/ConversionLoop.h"

#include "convert/BaseName.h"
#include "convert/FileConversion.h"
#include "convert/MergeIndex.h"
#include "convert/RunBoard.h"

#include <QThread>
#include <optional>
#include <unordered_map>

namespace tolk {
namespace {

// Per listed file, the earlier listed file with the same base name, whose target it shares.
// Found on the window's thread before a run starts, so kept quick for a long list.
std::vector<std::optional<std::string>>
EarlierWithTheSameTarget(const std::vector<std::string>& names) {
    std::unordered_map<std::string, std::size_t> firstByBase;
    firstByBase.reserve(names.size());
    std::vector<std::optional<std::string>> earlier(names.size());
    for (std::size_t index = 0; index < names.size(); ++index) {
        const auto [first, added] = firstByBase.emplace(BaseName(names[index]), index);
        if (!added) {
            earlier[index] = names[first->second];
        }
    }
    return earlier;
}

// How often the engine runs of the files in progress are ended again until their jobs end.
constexpr std::chrono::milliseconds EndRunsAgain(100);

} // namespace

ConversionLoop::ConversionLoop(ConversionSettings settings, std::vector<std::string> names,
                               std::vector<HostConnection*> hosts)
    : m_settings(std::move(settings)), m_names(std::move(names)), m_hosts(std::move(hosts)) {
    m_hosts.resize(std::min(m_hosts.size(), m_names.size()));
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
    m_earlier = EarlierWithTheSameTarget(m_names);
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

void ConversionLoop::ConvertFiles(int job) {
    HostConnection& host = *m_hosts[static_cast<std::size_t>(job)];
    for (FileStretch stretch = m_board->Take(job); !stretch.Empty(); stretch = m_board->Take(job)) {
        TellAhead(host, stretch);
        int index = stretch.first;
        for (; index < stretch.end && m_board->Begin(job, index); ++index) {
            Announce();
            m_board->Finish(job, index, Convert(host, index));
            Announce();
        }
        m_board->Abandon(index, stretch.end);
        if (stretch.end - stretch.first > 1) {
            host.ExpectFiles({});
        }
    }
    m_board->JobEnded();
    Announce();
}

void ConversionLoop::TellAhead(HostConnection& host, FileStretch stretch) const {
    if (stretch.end - stretch.first < 2) {
        return;
    }
    std::vector<ExpectedFile> expected;
    for (int index = stretch.first; index < stretch.end; ++index) {
        if (!m_earlier[static_cast<std::size_t>(index)]) {
            expected.push_back(
                ExpectedConversion(m_settings, m_names[static_cast<std::size_t>(index)], m_merges));
        }
    }
    host.ExpectFiles(expected);
}

FileOutcome ConversionLoop::Convert(HostConnection& host, int index) const {
    const auto file = static_cast<std::size_t>(index);
    return m_earlier[file] ? TargetTakenOutcome(m_settings, m_names[file], *m_earlier[file])
                           : ConvertFile(m_settings, host, m_names[file], m_merges);
}

void ConversionLoop::EndRunsAfterStop() {
    m_board->WaitForJobs(
        [this](const std::vector<int>& converting) {
            for (std::size_t job = 0; job < converting.size(); ++job) {
                if (converting[job] != RunBoard::NoFile) {
                    m_hosts[job]->Cancel();
                }
            }
        },
        EndRunsAgain);
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
