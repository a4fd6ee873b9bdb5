#pragma once

#include "host/formats/EngineFormat.h"

#include <string>

namespace tolk {

/// How many points of each kind a run read, as the engine's validate filter reports them
/// ("-x validate,debug"): waypoints, track points and route points, and how many tracks and
/// routes hold them.
struct KindCounts {
    long counts[3] = {0, 0, 0};
    long heads[3] = {0, 0, 0}; ///< tracks and routes; none for waypoints
    bool reported = false;     ///< the filter printed its report

    long Of(DataKind kind) const { return counts[static_cast<int>(kind)]; }
    long Heads(DataKind kind) const { return heads[static_cast<int>(kind)]; }
    long Total() const { return counts[0] + counts[1] + counts[2]; }
};

/// The counts the validate filter printed in the run's output (EngineCommand::Count); zero for
/// kinds it did not report. The one reader of the engine's report lines.
KindCounts CountsRead(const std::string& output);

/// The validate filter failed the run for finding nothing read.
bool ReadNothing(const std::string& output);

/// The run's output without the validate filter's report.
std::string WithoutCountReport(const std::string& output);

/// The engine's own message for a failed run: its first lines, without the validate filter's
/// report.
std::string EngineMessage(const std::string& output);

} // namespace tolk
