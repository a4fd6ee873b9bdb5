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

/// Keeps the user's choice "type=format[,options]" in the file: it replaces the type's line that
/// counts, or is added at the end of the "[FORMATS]" section (made when missing); every other
/// line stays as it was. The file is written aside and renamed, so a failed write leaves the
/// old one whole. False when it could not be written.
bool SaveHostFormat(const std::string& path, const std::string& type, const std::string& choice);

} // namespace tolk
