#pragma once

#include "host/EngineFormat.h"
#include "host/EngineRunner.h"

#include <map>
#include <optional>
#include <string>

namespace tolk {

/// Which engine formats hold one kind of data per file although they write several kinds (a
/// shapefile holds points or lines, not both): given all three kinds, such a format keeps only
/// one. Learned once per format by writing a small file of all three kinds and reading it back,
/// and kept per engine version in a file of the user's cache folder, so that later runs and
/// later sessions ask the engine nothing.
class SingleKindFormats {
public:
    /// cacheFile: where what was learned is kept; empty to keep it only in memory.
    SingleKindFormats(EngineRunner runner, std::string version, std::string cacheFile);

    bool HoldsOneKind(const EngineFormat& format);

private:
    void Load();
    /// True for one kind per file; none when the engine's answers tell nothing.
    std::optional<bool> Probe(const EngineFormat& format) const;
    void Remember(const std::string& name, bool oneKind);

    EngineRunner m_runner;
    std::string m_version;
    std::string m_cacheFile;
    bool m_loaded = false;
    std::map<std::string, bool> m_known;
};

/// The file in the user's cache folder where SingleKindFormats keeps what it learned.
std::string SingleKindCacheFile();

} // namespace tolk
