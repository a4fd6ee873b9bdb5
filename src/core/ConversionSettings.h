#pragma once

#include <cstdint>
#include <string>

namespace tolk {

/// A window's outer rectangle in screen pixels.
struct WindowBounds {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;

    bool operator==(const WindowBounds&) const = default;
};

/// The user's choices, one field per settings-file key. Empty until the settings are loaded.
struct ConversionSettings {
    std::string SourceFldr;
    std::string TargetFldr;
    std::string SourceExt;
    std::string TargetExt;
    std::string MergeExt; ///< empty: no merging
    bool TargAsSrc = false;
    std::string Datum; ///< empty: no datum change
    std::string Grid;  ///< empty: no grid change
    WindowBounds WBounds;
};

} // namespace tolk
