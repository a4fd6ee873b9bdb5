#pragma once

#include <string>

namespace tolk {

/// The file a path names when letter case is not told apart, as the converter's file list does
/// not tell it apart ('TRACK.TXT' is listed for the type txt and then asked for as 'TRACK.txt'):
/// the path itself when it exists; else the entry of its folder whose name differs from the
/// path's only in ASCII letter case, the first in byte order when there are several; else the
/// path itself.
std::string PathAsFound(const std::string& path);

} // namespace tolk
