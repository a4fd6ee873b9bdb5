#pragma once

#include <string>

namespace tolk {

/// The bytes of the file at `path`; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);

} // namespace tolk
