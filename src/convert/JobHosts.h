#pragma once

#include "host/HostConnection.h"

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace tolk {

/// The hosts the jobs of a conversion command convert on: the program's own and, for further
/// jobs, hosts of their own, made when first needed and kept for later commands.
class JobHosts {
public:
    JobHosts(HostConnection& own, HostFactory make, int jobs);

    /// One host per job for a command over that many files, the program's own first (a host that
    /// cannot be made leaves the command with the jobs it has), with the target folder tidied by
    /// the first of what killed runs left there, before the command writes there. Makes hosts and
    /// reads the folder: a window calls it off its own thread.
    std::vector<HostConnection*> ReadyFor(std::size_t files, const std::string& targetFolder);
    /// The further hosts are made anew for the next command: they read the user's format choices
    /// when they are made.
    void Forget() { m_more.clear(); }
    /// How many jobs a command is asked to run (its hosts are fewer when it has fewer files).
    int Jobs() const { return m_jobs; }

private:
    std::vector<HostConnection*> For(std::size_t files);

    HostConnection& m_own;
    HostFactory m_make;
    int m_jobs;
    std::deque<HostConnection> m_more;
};

} // namespace tolk
