#pragma once

#include <string>
#include <string_view>

namespace tolk {

/// A file's first bytes (at most 4096), for what its name cannot tell; empty when the file
/// cannot be read.
std::string LeadingBytes(const std::string& path);

/// The shape of the first line in a file's leading bytes (at most its first 128): each run of
/// letters becomes "a", each run of digits "9", each run of any other byte one such byte. Files
/// of one layout share it (a header row, an XML root, a leading number row), so the reader that
/// read one such file suits the next; a file of another layout with the same extension has
/// another shape.
std::string LeadingShape(std::string_view bytes);

} // namespace tolk
