#pragma once

#include "host/HostConnection.h"

#include <string>
#include <vector>

namespace tolk {

/// Makes the folders below the target folder that the files (names relative to the source
/// folder, "2024/trip/a.gpx") are converted into, one level at a time ("2024", then
/// "2024/trip"), and has the host remove from each what killed runs left there. Returns why, per
/// folder that could not be made; the files meant for it then fail with the host's reason.
std::vector<std::string> MakeTargetFolders(const std::string& target,
                                           const std::vector<std::string>& names,
                                           HostConnection& host);

} // namespace tolk
