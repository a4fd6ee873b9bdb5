#include "app/WindowRunner.h"

namespace tolk {

WindowRunner::WindowRunner(RunSink& window, HostConnection& own, HostFactory make, int jobs)
    : m_window(window), m_hosts(own, std::move(make), jobs) {
    m_newsTimer.setSingleShot(true);
    m_newsTimer.setInterval(0);
    connect(&m_newsTimer, &QTimer::timeout, this, &WindowRunner::ShowNews);
}

WindowRunner::~WindowRunner() {
    if (m_worker) {
        m_worker->wait();
    }
}

template <class Work>
void WindowRunner::OffThread(Work&& work, void (WindowRunner::*then)()) {
    m_worker.reset(QThread::create(std::forward<Work>(work)));
    connect(m_worker.get(), &QThread::finished, this, then);
    m_worker->start();
}

void WindowRunner::Start(RunCommand command, const ConversionSettings& settings,
                         std::vector<std::string> names, const std::string& logFolder) {
    if (Running()) {
        return;
    }
    m_request = CommandRequest{command, settings, std::move(names), {}, logFolder, m_hosts.Jobs()};
    m_stopAsked = false;
    OffThread(
        [this] {
            m_request->hosts =
                m_hosts.ReadyFor(m_request->names.size(), m_request->settings.TargetFldr);
        },
        &WindowRunner::Begin);
}

void WindowRunner::Begin() {
    m_worker->wait();
    m_worker.reset();
    m_command = std::make_unique<ConvertCommand>(std::move(*m_request), m_window);
    m_request.reset();
    connect(
        &m_command->Loop(), &ConversionLoop::NewsReady, &m_newsTimer,
        [this] { m_newsTimer.start(); }, Qt::QueuedConnection);
    m_command->Start();
    if (m_stopAsked) {
        m_command->Loop().Stop();
    }
}

void WindowRunner::Stop() {
    m_stopAsked = true;
    if (m_command) {
        m_command->Loop().Stop();
    }
}

void WindowRunner::ShowNews() {
    if (!m_command || m_worker) {
        return;
    }
    const bool over = m_command->ShowNews();
    emit NewsShown();
    if (!over) {
        if (m_command->NewsLeft()) {
            m_newsTimer.start();
        }
        return;
    }
    OffThread([loop = &m_command->Loop()] { loop->WaitForJobs(); }, &WindowRunner::Finish);
}

void WindowRunner::Finish() {
    m_worker->wait();
    m_worker.reset();
    const RunTotals totals = m_command->Totals();
    m_command.reset();
    emit Ended(totals);
}

} // namespace tolk
