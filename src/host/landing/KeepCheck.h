#pragma once

#include "host/engine/ConversionCommand.h"
#include "host/engine/EngineCounts.h"
#include "host/engine/EngineRunner.h"
#include "host/engine/EngineView.h"
#include "host/landing/SavePlan.h"
#include "host/reading/LearnedFormats.h"

#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// A save whose run read `read`, to be written in `format`: what it keeps of that.
struct KeepJob {
    const EngineRunner& runner;
    LearnedFormats& learned;
    const FormatChoice& format;
    KindCounts read;
};

/// Where line `number` of the kind goes when the target's format keeps one per file:
/// "walk.trl" gives "walk-track2.trl" and "walk-route2.trl".
std::string NumberedCompanionPath(const std::string& targetPath, DataKind kind, long number);

/// For a format that keeps only the first track (or route) of a file: writes each one after the
/// first, taken from `probeGpx` (all that was read, as GPX), to its numbered companion beside the
/// target, as `like` writes the target, and appends them to `outputs`. Each line is written to a
/// file of the host's own in `scratch`, made only when a line is to be written. The reason when
/// one could not be written.
std::optional<std::string>
WriteNumberedCompanions(const KeepJob& job, const std::string& probeGpx, const EngineOutput& like,
                        const std::string& target, const std::string& seenFolder,
                        EngineView& scratch, std::vector<PlannedOutput>& outputs);

/// Whether the engine reads the outputs back whole: without error, and, for a writer known to
/// keep every line, every point carried to them. A write cut short by a full disk leaves a file
/// that fails to read or holds less. For a format the engine reads.
bool ReadsBackWhole(const KeepJob& job, const std::vector<PlannedOutput>& outputs);

/// What the outputs do not keep of what was read, in words for the user ("747 track points not
/// kept: the target type holds waypoints only"); empty when they keep it all. For a format not
/// known to keep every track and route, the outputs are read back to count what the writer kept.
std::string NotKept(const KeepJob& job, const std::vector<PlannedOutput>& outputs);

} // namespace tolk
