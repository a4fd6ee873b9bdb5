#pragma once

#include "convert/FileOutcome.h"
#include "convert/MergeIndex.h"
#include "core/ConversionSettings.h"
#include "host/HostConnection.h"

#include <string>

namespace tolk {

/// Converts one listed file through the host: open, merge, grid, datum, save and close. What it
/// shows and comes to is the outcome; nothing is shown while it runs. An open that fails as a
/// call abandons the file with a message; any other failed call ends the whole command and is
/// the outcome's failure. Merge partners are looked up in the index.
FileOutcome ConvertFile(const ConversionSettings& settings, HostConnection& host,
                        const std::string& fileName, const MergeIndex& merges);

} // namespace tolk
