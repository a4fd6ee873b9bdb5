#pragma once

#include "host/engine/ConversionCommand.h"
#include "host/engine/EngineCounts.h"
#include "host/engine/EngineRunner.h"
#include "host/engine/HostResult.h"
#include "host/landing/SavePlan.h"
#include "host/reading/HostDocument.h"
#include "host/reading/PositionCheck.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tolk {

/// One engine run's outcome as a result code of the host (HostResult, 0 when done) and reason.
struct SaveVerdict {
    std::int32_t code = 0;
    std::string reason;
    /// The outputs may have been cut short by a full disk.
    bool diskFull = false;
};

/// What the GPX the run wrote of what it read says about the read.
struct ReadCheck {
    Plausibility positions = Plausibility::Plausible;
    /// The user named every reader: a read with points at 0,0 is taken as given.
    bool readersNamed = false;
    /// Waypoints share a name, and the target's format keeps one waypoint of each name.
    bool namesWouldMerge = false;
};

/// Judges the save's run of `inputs` in `format`, given what the check of its read found.
SaveVerdict JudgeRun(const EngineOutcome& outcome, const ReadCheck& read,
                     const FormatChoice& format, const std::vector<DocumentInput>& inputs);

/// Moves what the run wrote into place at `target` and its companions, once each output that
/// was to hold data (of the counts `read`) holds some; never over one of the `inputs`.
SaveVerdict LandOutputs(const KindCounts& read, const FormatChoice& format,
                        const std::filesystem::path& target,
                        const std::vector<DocumentInput>& inputs,
                        std::vector<PlannedOutput>& outputs);

/// Names the files in `reason` as the user knows them: the inputs by their own paths (the engine
/// saw them as `seenPaths`, in the order of `inputs`) and the outputs by the target's.
void InUsersPaths(std::string& reason, const std::vector<std::string>& seenPaths,
                  const std::vector<DocumentInput>& inputs,
                  const std::vector<EngineOutput>& outputs, const std::filesystem::path& target);

} // namespace tolk
