#pragma once

#include "host/EngineFormat.h"
#include "host/EngineRunner.h"
#include "host/LearnedFormats.h"

namespace tolk {

/// Whether the format's writer writes a file the same in an engine run that converted another
/// file before it (its data emptied in between) as in a run of its own, so that many files may
/// share one run. Some writers carry something over from the first file of a run: the version
/// of the GPX files it read, a running distance. Learned once per format and engine version.
bool ForgetsBetweenFiles(LearnedFormats& learned, const EngineFormat& format,
                         const EngineRunner& runner);

} // namespace tolk
