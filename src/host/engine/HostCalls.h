#pragma once

#include "host/HostLink.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace tolk {

// What the gpsbabel host's calls share.

/// The engine's name in what the host says.
inline constexpr const char* EngineName = "gpsbabel";

/// A call made, with its result code.
inline HostStatus Answer(std::int32_t& result, std::int32_t code) {
    result = code;
    return {};
}

/// The file type is what follows the last "." of the file name, as the converter builds it.
inline std::string TypeOf(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

} // namespace tolk
