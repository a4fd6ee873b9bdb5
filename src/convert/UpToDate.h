#pragma once

#include "convert/MergeIndex.h"
#include "core/ConversionSettings.h"

#include <string>
#include <vector>

namespace tolk {

/// Whether converting the listed file again would write what its target already holds: the
/// target exists and was last written after the file and, with a merge type, after the file's
/// merge partner when there is one. Files that a format writes beside its target count with the
/// target. Times equal to the nanosecond count as not after, as do times that cannot be read.
/// Merge partners are looked up in the index.
bool IsUpToDate(const ConversionSettings& settings, const std::string& fileName,
                const MergeIndex& merges);

/// The listed files that are not up to date, in their order.
std::vector<std::string> NotUpToDate(const ConversionSettings& settings,
                                     const std::vector<std::string>& names);

} // namespace tolk
