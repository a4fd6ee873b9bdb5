#pragma once

#include <string>

namespace tolk {

/// The shape of a file's first line (at most its first 128 bytes): each run of letters becomes
/// "a", each run of digits "9", each run of any other byte one such byte. Files of one layout
/// share it (a header row, an XML root, a leading number row), so the reader that read one such
/// file suits the next; a file of another layout with the same extension has another shape.
/// Empty when the file cannot be read.
std::string LeadingShape(const std::string& path);

} // namespace tolk
