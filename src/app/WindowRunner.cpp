#include "app/WindowRunner.h"

namespace tolk {

WindowRunner::WindowRunner(RunSink& window, HostConnection& own, HostFactory make, int jobs)
    : m_window(window), m_hosts(own, std::move(make), jobs) {
    m_newsTimer.setSingleShot(true);
    m_newsTimer.setInterval(0);
    connect(&m_newsTimer, &QTimer::timeout, this, &WindowRunner::ShowNews);
}

WindowRunner::~WindowRunner() = default;

void WindowRunner::Start(RunCommand command, const ConversionSettings& settings,
                         std::vector<std::string> names, const std::string& logFolder) {
    if (Running()) {
        return;
    }
    std::vector<HostConnection*> hosts = m_hosts.For(names.size());
    m_command = std::make_unique<ConvertCommand>(
        CommandRequest{command, settings, std::move(names), std::move(hosts), logFolder}, m_window);
    connect(
        &m_command->Loop(), &ConversionLoop::NewsReady, &m_newsTimer,
        [this] { m_newsTimer.start(); }, Qt::QueuedConnection);
    m_command->Start();
}

void WindowRunner::Stop() {
    if (m_command) {
        m_command->Loop().Stop();
    }
}

void WindowRunner::ShowNews() {
    if (!m_command) {
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
    const RunTotals totals = m_command->Totals();
    m_command.reset();
    emit Ended(totals);
}

} // namespace tolk
