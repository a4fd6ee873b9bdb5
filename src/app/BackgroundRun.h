#pragma once

#include "convert/ConversionLoop.h"
#include "convert/RunPresenter.h"
#include "convert/RunSink.h"

#include <QObject>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace tolk {

/// Runs a conversion on a thread of its own, so that the window keeps painting and answering.
/// What the run shows reaches the window's sink on the window's thread, one call at a time and
/// in order. The run waits until each message is answered, so that a box holds back whatever
/// follows it, as it would in a run on the window's thread; statuses and finished files only
/// queue up, so that several shown between two paints cost one paint.
class BackgroundRun : private RunSink {
public:
    using Finished = std::function<void(const RunTotals&)>;

    /// The window is the thread and lifetime the sink's calls are bound to.
    BackgroundRun(QObject& window, RunSink& windowSink);
    /// Stops a run still going, stops showing it, and waits for the files in progress.
    ~BackgroundRun();
    BackgroundRun(const BackgroundRun&) = delete;
    BackgroundRun& operator=(const BackgroundRun&) = delete;

    /// Starts the loop; `finished` is called on the window's thread once everything the run
    /// showed was shown and its thread has ended.
    void Start(std::unique_ptr<ConversionLoop> loop, RunCommand command, Finished finished);
    bool Running() const { return m_thread.joinable(); }
    /// No further file begins; the files in progress finish and are shown.
    void Stop();

private:
    void ShowStatus(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    void ShowNote(const std::string& text) override;
    void FileDone(int index, const FileOutcome& outcome) override;
    void ReportError(const std::string& message) override;

    /// From the run's thread: makes the call on the window's thread and waits until it is done
    /// (or the window no longer shows the run).
    void OnWindowThread(std::function<void()> call);
    /// From the run's thread: queues the call for the window's thread without waiting.
    void PostToWindow(std::function<void()> call);
    void End(const RunTotals& totals);

    QObject& m_window;
    RunSink& m_windowSink;
    std::unique_ptr<ConversionLoop> m_loop;
    Finished m_finished;
    std::mutex m_mutex;
    std::condition_variable m_callDone;
    std::uint64_t m_callsPosted = 0;
    std::uint64_t m_callsDone = 0;
    bool m_abandoned = false;
    std::thread m_thread;
};

} // namespace tolk
