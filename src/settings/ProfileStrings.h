#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tolk {

/// Values are read through a buffer of this many characters, the last one kept for the
/// terminating NUL.
inline constexpr std::size_t ProfileBufferSize = 1024;

/// The value of a key in a profile (INI) file, with the results of the original platform's
/// profile functions: section and key names match without regard to case, blanks around names and
/// values do not count, one pair of matching quotes around a value is removed, and the result
/// holds at most ProfileBufferSize - 1 characters. The default when the file, the section or
/// the key is missing.
std::string ReadProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, const std::string& path);

/// The whole content of a profile file, for reading several keys from one reading of it; none
/// when the file cannot be read.
std::optional<std::string> ReadProfileFile(const std::string& path);

/// The value of a key in content from ReadProfileFile, with the results of ReadProfileString
/// for the file as it was read.
std::string ProfileStringIn(const std::optional<std::string>& content, const std::string& section,
                            const std::string& key, const std::string& defaultValue);

/// Whether the text holds a line break, which no name or value of the file can.
bool HasLineBreak(const std::string& text);

/// Sets a key in a profile file, keeping every other line as it stands, and creating the file,
/// the section or the key when missing. The file is replaced as a whole (written beside it,
/// then renamed over it), so a failed write leaves it as it was. False when the file cannot be
/// read or written, or when a name or the value holds a line break (it would change the
/// file's other keys).
bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& path);

} // namespace tolk
