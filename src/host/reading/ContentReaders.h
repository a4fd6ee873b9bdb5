#pragma once

#include "host/engine/EngineRunner.h"
#include "host/formats/RecordShape.h"
#include "host/formats/TypeFormatMap.h"
#include "host/reading/LearnedFormats.h"

#include <string_view>
#include <vector>

namespace tolk {

/// The engine's readers that the records of a file name (see ShapeOf), in the engine's order:
/// of the formats that list no extension (FormatList::ExtensionlessReaders), those that read a
/// sample of such records whole and in place. The sample is made here for the kinds whose
/// records are standard and taken from the file's `leading` bytes for a maker's sentences. What
/// each reader makes of a kind's sample is learned once per engine version (see LearnedFormats),
/// each try within `runner`'s memory limit and a short time limit.
std::vector<FormatChoice> ContentReaders(const RecordShape& shape, std::string_view leading,
                                         const FormatList& formats, LearnedFormats& learned,
                                         const EngineRunner& runner);

/// A runner like `runner`, whose runs take at most `limit`: for tries whose cost is bounded.
EngineRunner WithinLimit(const EngineRunner& runner, std::chrono::milliseconds limit);

} // namespace tolk
