#pragma once

#include <string>

namespace tolk {

/// Where the program's own data file of that name (DATUMS.TXT, GRIDS.TXT, the help) is read
/// from: beside the executable when it lies there (a build tree), otherwise in the installed
/// data folder, which lies at the same place relative to the program folder in every installed
/// tree. When neither holds the file, the path names the data folder if there is one, so that a
/// message points where the file belongs; otherwise the executable's folder.
/// exeFolder ends with its "/".
std::string DataFilePath(const std::string& exeFolder, const std::string& name);

} // namespace tolk
