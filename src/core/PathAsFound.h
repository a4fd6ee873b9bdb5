#pragma once

#include <string>

namespace tolk {

/// The file a path names when letter case is not told apart, as the converter's file list does
/// not tell it apart ('TRACK.TXT' is listed for the type txt and then asked for as 'TRACK.txt'):
/// the path itself when it exists; else the entry of its folder whose name differs from the
/// path's only in ASCII letter case, when it is the only such entry; else the path itself. With
/// 'a.gpx' and 'a.GPX' side by side each name stands for its own file, and 'A.gpx' for neither.
std::string PathAsFound(const std::string& path);

} // namespace tolk
