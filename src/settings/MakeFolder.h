#pragma once

#include <string>

namespace tolk {

/// The folder a path lies in: the path cut after its last "/", and that "/" cut too unless it
/// is the first character or follows another "/". "/a/b" gives "/a", "/a" gives "/", "/" is
/// its own parent, and a name without "/" has the empty parent.
std::string ParentFolder(const std::string& path);

/// True when the path is an existing folder (a file of that name does not count) or when it
/// was created, its missing parents first, outermost first. An empty path, a root that does
/// not exist and a path whose last creation fails (as for a missing path ending in "/") give
/// false.
bool MakeFolder(const std::string& path);

} // namespace tolk
