#pragma once

#include <string>

namespace tolk {

/// The file name without its extension, the extension being everything from the last ".":
/// "Track 12.txt" gives "Track 12", "a.b.plt" gives "a.b", a name without a dot stays whole.
/// A name below the source folder keeps its folders, whose dots do not count: "2024.v2/a.gpx"
/// gives "2024.v2/a", "2024.v2/a" stays whole.
std::string BaseName(const std::string& fileName);

} // namespace tolk
