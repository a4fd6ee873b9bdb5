#pragma once

#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "batch/Console.h"
#include "core/ConversionSettings.h"

#include <functional>

namespace tolk {

/// --watch: converts the files of the source folder that are not up to date, then watches the
/// folder and converts each file that appears or changes once it has settled, until stopAsked
/// says so, an engine failure ends a run or the source folder goes; then prints the totals of
/// the files converted while watching. Returns the exit status for an end that no stop asked for.
int WatchAndConvert(BatchRun& run, const ConversionSettings& settings, const BatchOptions& options,
                    Console& console, const std::function<bool()>& stopAsked);

} // namespace tolk
