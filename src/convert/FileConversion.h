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
/// the outcome's failure (and its reason: the file was not converted). Merge partners are looked
/// up in the index.
FileOutcome ConvertFile(const ConversionSettings& settings, HostConnection& host,
                        const std::string& fileName, const MergeIndex& merges);

/// Where the listed file is converted to: the target folder + "/" + its base name + "." + the
/// target type.
std::string TargetPathOf(const ConversionSettings& settings, const std::string& fileName);

/// The listed file's merge partner as the path is built: the source folder + "/" + its base name
/// + "." + the merge type.
std::string MergePathOf(const ConversionSettings& settings, const std::string& fileName);

/// The file as ConvertFile will name it to the host, so that the host can be told ahead.
ExpectedFile ExpectedConversion(const ConversionSettings& settings, const std::string& fileName,
                                const MergeIndex& merges);

/// The outcome of a listed file that was not converted, for the reason given.
FileOutcome NotConvertedOutcome(const std::string& fileName, std::string reason);

/// The outcome of a listed file whose target an earlier listed file of the same base name is
/// converted to ("a.GPX" after "a.gpx"): it fails with its reason and the host is not asked, so
/// that no "Converted" is claimed for data that the other file's output replaced.
FileOutcome TargetTakenOutcome(const ConversionSettings& settings, const std::string& fileName,
                               const std::string& earlierName);

} // namespace tolk
