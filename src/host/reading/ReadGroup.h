#pragma once

#include "host/HostLink.h"
#include "host/engine/ConversionCommand.h"
#include "host/engine/EngineRunner.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace tolk {

/// The first of a file's candidate readers, and as many after it as the run has spare engines
/// for (SpareEngines), each reading the file alone, side by side; the borrowed engines are given
/// back once all have ended. Each read writes everything it read to a probe of its own: the first
/// to `probePath`, the others beside it in the same private folder, removed with the group (each
/// may hold all of a large file).
class ReadGroup {
public:
    /// Reads `seen` by the readers (at least one) as the runner runs the engine; `spare` null:
    /// by the first alone.
    ReadGroup(const EngineRunner& runner, const EngineInput& seen,
              std::span<const FormatChoice> readers, const std::string& probePath,
              SpareEngines* spare);
    ~ReadGroup();
    ReadGroup(const ReadGroup&) = delete;
    ReadGroup& operator=(const ReadGroup&) = delete;

    /// How many of the readers read the file, the first ones.
    std::size_t Size() const { return m_outcomes.size(); }
    const EngineOutcome& Outcome(std::size_t read) const { return m_outcomes[read]; }
    /// What the read wrote to its probe; empty when the run failed.
    std::string Probe(std::size_t read) const;

private:
    std::vector<std::string> m_probes;
    std::vector<EngineOutcome> m_outcomes;
};

} // namespace tolk
