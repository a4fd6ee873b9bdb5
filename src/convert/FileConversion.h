#pragma once

#include "convert/FileOutcome.h"
#include "convert/MergeIndex.h"
#include "core/ConversionSettings.h"
#include "host/HostConnection.h"

#include <string>

namespace tolk {

/// What converting the listed file came to and shows, from how the host answered its calls
/// (open, merge, grid, datum, save and close). An open that failed as a call abandons the file
/// with a message; a failed grid or datum change shows its message; any other failed call ends
/// the whole command and is the outcome's failure (and its reason: the file was not converted).
/// Merge partners are looked up in the index, as ConversionOf did.
FileOutcome OutcomeOf(const ConversionSettings& settings, const std::string& fileName,
                      const MergeIndex& merges, const FileResult& result);

/// Where the listed file is converted to: the target folder + "/" + its base name + "." + the
/// target type.
std::string TargetPathOf(const ConversionSettings& settings, const std::string& fileName);

/// The listed file's merge partner as the path is built: the source folder + "/" + its base name
/// + "." + the merge type.
std::string MergePathOf(const ConversionSettings& settings, const std::string& fileName);

/// The listed file's conversion as the host is given it: its source path, its merge partner's
/// path when the index has the partner, the grid and datum, and its target path.
FileConversion ConversionOf(const ConversionSettings& settings, const std::string& fileName,
                            const MergeIndex& merges);

/// The outcome of a listed file that was not converted, for the reason given.
FileOutcome NotConvertedOutcome(const std::string& fileName, std::string reason);

/// The outcome of a listed file whose target an earlier listed file of the same base name is
/// converted to ("a.GPX" after "a.gpx"): it fails with its reason and the host is not asked, so
/// that no "Converted" is claimed for data that the other file's output replaced.
FileOutcome TargetTakenOutcome(const ConversionSettings& settings, const std::string& fileName,
                               const std::string& earlierName);

} // namespace tolk
