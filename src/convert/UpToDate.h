#pragma once

#include "core/ConversionSettings.h"

#include <string>
#include <vector>

namespace tolk {

/// The listed files, in their order, but for those up to date: converting one again would write
/// what its target already holds, since the target exists and was last written after the file
/// and, with a merge type, after the file's merge partner when there is one, and every companion
/// and partner its record names (see TargetRecord) is still there. A file's time is when it or
/// its name last changed, so that an older file moved over the name counts as new. Files that a
/// format writes beside its target count with the target. Times equal to the nanosecond count as
/// not after, as do times that cannot be read.
std::vector<std::string> NotUpToDate(const ConversionSettings& settings,
                                     const std::vector<std::string>& names);

} // namespace tolk
