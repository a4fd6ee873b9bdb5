#include "app/WindowRunner.h"

namespace tolk {

WindowRunner::WindowRunner(RunSink& window, HostConnection& own, HostFactory make, int jobs)
    : m_window(window), m_hosts(own, std::move(make), jobs) {}

WindowRunner::~WindowRunner() = default;

void WindowRunner::Start(RunCommand command, const ConversionSettings& settings,
                         std::vector<std::string> names, const std::string& logFolder) {
    if (Running()) {
        return;
    }
    std::vector<HostConnection*> hosts = m_hosts.For(names.size());
    m_command = std::make_unique<ConvertCommand>(
        CommandRequest{command, settings, std::move(names), std::move(hosts), logFolder}, m_window);
    connect(&m_command->Loop(), &ConversionLoop::NewsReady, this, &WindowRunner::ShowNews,
            Qt::QueuedConnection);
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
    if (!m_command->ShowNews()) {
        if (m_command->NewsLeft()) {
            QMetaObject::invokeMethod(this, &WindowRunner::ShowNews, Qt::QueuedConnection);
        }
        return;
    }
    const RunTotals totals = m_command->Totals();
    m_command.reset();
    emit Ended(totals);
}

} // namespace tolk
