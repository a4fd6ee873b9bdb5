#pragma once

#include "host/reading/LearnedFormats.h"
#include "host/reading/ReaderChoice.h"

#include <mutex>
#include <set>
#include <string>

namespace tolk {

/// Readers that misbehaved in a run shared with other files (the engine crashed on a file, or read
/// it implausibly): they convert one file per run from then on, whatever a probe said of them.
class SharedRunDoubts {
public:
    void Doubt(const std::string& reader) {
        const std::lock_guard lock(m_mutex);
        m_doubted.insert(reader);
    }
    bool Doubted(const std::string& reader) const {
        const std::lock_guard lock(m_mutex);
        return m_doubted.contains(reader);
    }

private:
    mutable std::mutex m_mutex;
    std::set<std::string> m_doubted;
};

/// What gpsbabel hosts made together learn while they work and share: the readers that read
/// files of each layout well and the facts learned about formats, for one engine. Safe to use
/// from the hosts' threads at once.
struct HostKnowledge {
    /// engine: the engine as the start-up cache tells it from others (EngineIdentity).
    explicit HostKnowledge(std::string version, std::string cacheFile, std::string engine)
        : learned(std::move(version), std::move(cacheFile)), engine(std::move(engine)) {}

    ReaderChoice readers;
    LearnedFormats learned;
    const std::string engine;
    SharedRunDoubts doubts;
};

} // namespace tolk
