#pragma once

#include "convert/FileOutcome.h"
#include "convert/MergeIndex.h"
#include "convert/RunBoard.h"
#include "core/ConversionSettings.h"
#include "host/HostConnection.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace tolk {

/// The one loop of the conversion commands: each job converts whole files on its own host, on a
/// thread of its own, and the outcomes are taken in list order, so that what is shown and
/// counted is that of a run with one job. Jobs take stretches of files as long as their hosts
/// like to be given at once (HostLink::FilesAhead) and hand each stretch's conversions to their
/// host (HostLink::ConvertFiles), which answers each file with its result. A file begins (is
/// landed) only while fewer files than the jobs' stretches are begun but not yet shown (Shown),
/// and not while the showing is held (Hold: a message box waiting for its answer); whatever ends
/// the run, every file begun is finished and shown.
///
/// An error that ends the command at a file, or Stop, ends the beginning of files; the files in
/// progress finish. After Stop, a file still in progress after the grace time has its engine
/// run ended (HostRun::endRuns) and fails as stopped.
class ConversionLoop : public QObject {
    Q_OBJECT

public:
    /// How long the files in progress may go on after Stop before their engine runs are ended.
    static constexpr std::chrono::milliseconds StopGrace{2000};

    /// The settings are copied; the names are the listed file names to convert, in order; one
    /// job runs per host (no more than there are names). The engines of the jobs asked for (the
    /// more of `jobs` and the hosts) that have no file are spare from the start
    /// (HostRun::spareEngines), and so is each job's once it has no more files.
    ConversionLoop(ConversionSettings settings, std::vector<std::string> names,
                   std::vector<HostConnection*> hosts, int jobs);
    /// Ends the engine runs still going at once and waits for every job.
    ~ConversionLoop() override;
    ConversionLoop(const ConversionLoop&) = delete;
    ConversionLoop& operator=(const ConversionLoop&) = delete;

    /// Starts the jobs; NewsReady is emitted when there is news to take.
    void Start();
    /// What happened since the last call, waiting up to `wait` for something to happen.
    RunNews TakeNews(std::chrono::milliseconds wait = std::chrono::milliseconds(0));
    /// The listed files before `index` have been shown, which lets further files begin.
    void Shown(int index);
    /// While held, no file begins (the showing waits for the user).
    void Hold(bool held);
    /// From any thread: no further file begins.
    void Stop();

    /// Whether Stop was called.
    bool StopAsked() const;
    /// From any thread, once the last news was taken: waits for the jobs' threads to end, so
    /// that the loop then goes at once.
    void WaitForJobs() const;

    const std::vector<std::string>& Names() const { return m_names; }
    const ConversionSettings& Settings() const { return m_settings; }

signals:
    /// From any thread: TakeNews has something. Emitted once until the next TakeNews, so that a
    /// busy run queues one call to the showing thread rather than one for every file.
    void NewsReady();

private:
    class JobGate;

    template <class Work>
    void StartThread(Work&& work);
    /// A job's thread: converts the files it is handed on its host.
    void ConvertFiles(int job);
    /// The thread that ends the engine runs still going once a stop's grace time has passed.
    void EndRunsAfterStop();
    /// Emits NewsReady unless it was emitted since the last TakeNews.
    void Announce();

    ConversionSettings m_settings;
    std::vector<std::string> m_names;
    std::vector<HostConnection*> m_hosts;
    /// Per listed file, the index of the earlier listed file of the same base name, whose target
    /// it shares; found by the first job.
    std::vector<std::optional<int>> m_earlier;
    std::once_flag m_earlierFound;
    MergeIndex m_merges;
    std::unique_ptr<RunBoard> m_board;
    SpareEngines m_spareEngines;
    /// Requested once the engine runs of the files in progress are to end; never taken back.
    std::stop_source m_endRuns;
    std::vector<std::unique_ptr<QThread>> m_threads;
    std::atomic<bool> m_announced = false;
};

} // namespace tolk
