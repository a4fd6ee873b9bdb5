#pragma once

#include <string>
#include <vector>

namespace tolk {

/// The kinds of GPS data the engine keeps apart; each format reads and writes some of them.
enum class DataKind { Waypoints, Tracks, Routes };

inline constexpr DataKind AllDataKinds[] = {DataKind::Waypoints, DataKind::Tracks,
                                            DataKind::Routes};

/// One format of the engine's own format list.
struct EngineFormat {
    std::string name;
    std::vector<std::string> extensions; ///< file extensions without the dot, as listed
    std::string description;             ///< the engine's own words for the format
    std::vector<std::string> options;    ///< names of the format's options
    bool isFile = false;                 ///< a file format (not an internal one)
    bool reads[3] = {false, false, false};
    bool writes[3] = {false, false, false};

    bool Reads(DataKind kind) const { return reads[static_cast<int>(kind)]; }
    bool Writes(DataKind kind) const { return writes[static_cast<int>(kind)]; }
    bool ReadsAny() const;
    bool WritesAny() const;
    /// How many of the six read and write abilities the format has.
    int AbilityCount() const;
    bool HasOption(const std::string& option) const;
};

} // namespace tolk
