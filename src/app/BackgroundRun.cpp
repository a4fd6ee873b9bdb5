#include "app/BackgroundRun.h"

#include <QMetaObject>

namespace tolk {

BackgroundRun::BackgroundRun(QObject& window, RunSink& windowSink)
    : m_window(window), m_windowSink(windowSink) {}

BackgroundRun::~BackgroundRun() {
    if (!Running()) {
        return;
    }
    Stop();
    {
        const std::lock_guard lock(m_mutex);
        m_abandoned = true;
    }
    m_callDone.notify_all();
    m_thread.join();
}

void BackgroundRun::Start(std::unique_ptr<ConversionLoop> loop, RunCommand command,
                          Finished finished) {
    m_loop = std::move(loop);
    m_finished = std::move(finished);
    m_thread = std::thread([this, command] { End(ConvertAndShow(*m_loop, command, *this)); });
}

void BackgroundRun::Stop() {
    if (m_loop) {
        m_loop->Stop();
    }
}

void BackgroundRun::End(const RunTotals& totals) {
    // Queued behind everything the run showed; the thread is ending, so joining is brief.
    QMetaObject::invokeMethod(
        &m_window,
        [this, totals] {
            m_thread.join();
            m_loop.reset();
            m_finished(totals);
        },
        Qt::QueuedConnection);
}

void BackgroundRun::OnWindowThread(std::function<void()> call) {
    std::unique_lock lock(m_mutex);
    if (m_abandoned) {
        return;
    }
    const std::uint64_t number = ++m_callsPosted;
    QMetaObject::invokeMethod(
        &m_window,
        [this, number, call = std::move(call)] {
            call();
            const std::lock_guard done(m_mutex);
            m_callsDone = number;
            m_callDone.notify_all();
        },
        Qt::QueuedConnection);
    m_callDone.wait(lock, [&] { return m_abandoned || m_callsDone >= number; });
}

void BackgroundRun::PostToWindow(std::function<void()> call) {
    const std::lock_guard lock(m_mutex);
    if (!m_abandoned) {
        QMetaObject::invokeMethod(&m_window, std::move(call), Qt::QueuedConnection);
    }
}

void BackgroundRun::ShowStatus(const std::string& text) {
    PostToWindow([this, text] { m_windowSink.ShowStatus(text); });
}

void BackgroundRun::ShowNote(const std::string& text) {
    PostToWindow([this, text] { m_windowSink.ShowNote(text); });
}

void BackgroundRun::ShowMessage(const std::string& text) {
    OnWindowThread([this, text] { m_windowSink.ShowMessage(text); });
}

void BackgroundRun::FileDone(int index, const FileOutcome& outcome) {
    PostToWindow([this, index, outcome] { m_windowSink.FileDone(index, outcome); });
}

void BackgroundRun::ReportError(const std::string& message) {
    OnWindowThread([this, message] { m_windowSink.ReportError(message); });
}

} // namespace tolk
