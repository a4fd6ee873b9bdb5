#pragma once

#include "host/HostConnection.h"

#include <cstddef>
#include <deque>
#include <vector>

namespace tolk {

/// The hosts the jobs of a conversion command convert on: the program's own and, for further
/// jobs, hosts of their own, made when first needed and kept for later commands.
class JobHosts {
public:
    JobHosts(HostConnection& own, HostFactory make, int jobs);

    /// One host per job for a command over that many files, the program's own first; a host that
    /// cannot be made leaves the command with the jobs it has.
    std::vector<HostConnection*> For(std::size_t files);
    /// The further hosts are made anew for the next command: they read the user's format choices
    /// when they are made.
    void Forget() { m_more.clear(); }

private:
    HostConnection& m_own;
    HostFactory m_make;
    int m_jobs;
    std::deque<HostConnection> m_more;
};

} // namespace tolk
