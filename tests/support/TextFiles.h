#pragma once

#include <string>

namespace tolk::testing {

/// Writes a file's bytes exactly, creating its missing folders.
void WriteTextFile(const std::string& path, const std::string& content);

/// A file's bytes, or empty when it cannot be read.
std::string ReadTextFile(const std::string& path);

} // namespace tolk::testing
