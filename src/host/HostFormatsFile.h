#pragma once

#include <map>
#include <string>

namespace tolk {

inline constexpr const char* HostFormatsFileName = "hostformats.ini";

/// The user's own choices of engine format per file type, from the file "hostformats.ini":
/// lines "type=format" or "type=format,options" in its section "[FORMATS]". Types are kept as
/// written; for a type given twice, in any letter case, the first line counts, as in any profile
/// file. Blank lines, ";" comments, other sections and lines without a format are skipped. A
/// missing or unreadable file gives no choices.
std::map<std::string, std::string> ReadHostFormats(const std::string& path);

} // namespace tolk
