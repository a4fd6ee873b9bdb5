#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace tolk::fuzz {

/// The fuzzer's bytes as a text.
inline std::string TextOf(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

/// Stops the run when a property does not hold, so that libFuzzer keeps the input that broke it.
inline void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

/// Writes the text to this process's own scratch file and returns its path, for the readers
/// that take a file.
std::string ScratchFile(const std::string& text);

} // namespace tolk::fuzz
