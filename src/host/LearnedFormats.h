#pragma once

#include "host/EngineFormat.h"
#include "host/EngineRunner.h"

#include <map>
#include <optional>
#include <string>

namespace tolk {

/// What the host learns about engine formats by writing small files of its own and reading them
/// back, once per format, kept per engine version in a file of the user's cache folder, so that
/// later runs and later sessions ask the engine nothing.
class LearnedFormats {
public:
    /// cacheFile: where what was learned is kept; empty to keep it only in memory.
    LearnedFormats(EngineRunner runner, std::string version, std::string cacheFile);

    /// The format holds one kind of data per file although it writes several kinds (a shapefile
    /// holds points or lines, not both): given all three kinds, it keeps only one.
    bool HoldsOneKind(const EngineFormat& format);
    /// The format keeps one waypoint of each name: given two waypoints of one name, it writes
    /// one of them.
    bool KeepsOneWaypointPerName(const EngineFormat& format);

private:
    using Probe = std::optional<bool> (LearnedFormats::*)(const EngineFormat&) const;

    bool Learned(const std::string& key, const EngineFormat& format, Probe probe);
    void Load();
    /// Each probe answers none when the engine's answers tell nothing.
    std::optional<bool> ProbeOneKind(const EngineFormat& format) const;
    std::optional<bool> ProbeOneWaypointPerName(const EngineFormat& format) const;
    void Remember(const std::string& key, bool holds);

    EngineRunner m_runner;
    std::string m_version;
    std::string m_cacheFile;
    bool m_loaded = false;
    std::map<std::string, bool> m_known;
};

/// The file in the user's cache folder where LearnedFormats keeps what it learned.
std::string LearnedFormatsCacheFile();

} // namespace tolk
