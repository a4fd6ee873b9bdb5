#include "convert/JobHosts.h"

#include <algorithm>

namespace tolk {

JobHosts::JobHosts(HostConnection& own, HostFactory make, int jobs)
    : m_own(own), m_make(std::move(make)), m_jobs(std::max(1, jobs)) {}

std::vector<HostConnection*> JobHosts::For(std::size_t files) {
    const std::size_t jobs = std::max<std::size_t>(1, std::min<std::size_t>(files, m_jobs));
    while (m_more.size() + 1 < jobs && m_make) {
        try {
            m_more.emplace_back(m_make());
        } catch (const std::exception&) {
            break;
        }
    }
    std::vector<HostConnection*> hosts{&m_own};
    for (std::size_t job = 0; job + 1 < jobs && job < m_more.size(); ++job) {
        hosts.push_back(&m_more[job]);
    }
    return hosts;
}

std::vector<HostConnection*> JobHosts::ReadyFor(std::size_t files,
                                                const std::string& targetFolder) {
    std::vector<HostConnection*> hosts = For(files);
    hosts.front()->TidyFolder(targetFolder);
    return hosts;
}

} // namespace tolk
