#pragma once

#include "host/engine/EngineRunner.h"
#include "host/formats/EngineFormat.h"

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>

namespace tolk {

/// What the host learns about engine formats by writing small files of its own and reading them
/// back, once per format, kept per engine version in a file of the user's cache folder, so that
/// later runs and later sessions ask the engine nothing. Hosts working side by side share one:
/// each question is asked of the engine once, however many jobs want the answer at once.
/// Each question runs its probes with the engine runner of the host that asks it.
class LearnedFormats {
public:
    /// version: the engine's, which what was learned holds for; cacheFile: where what was
    /// learned is kept, empty to keep it only in memory.
    LearnedFormats(std::string version, std::string cacheFile);

    const std::string& Version() const { return m_version; }
    /// The format holds one kind of data per file although it writes several kinds (a shapefile
    /// holds points or lines, not both): given all three kinds, it keeps only one.
    bool HoldsOneKind(const EngineFormat& format, const EngineRunner& runner);
    /// The format keeps one waypoint of each name: given two waypoints of one name, it writes
    /// one of them.
    bool KeepsOneWaypointPerName(const EngineFormat& format, const EngineRunner& runner);
    /// The format keeps only the first track (or route) of a file: given two, it writes the
    /// first alone.
    bool KeepsFirstOnly(const EngineFormat& format, DataKind kind, const EngineRunner& runner);
    /// The format keeps every track (or route) of a file, as its reader shows: given two, it
    /// reads back all their points. False also where its reader cannot tell.
    bool KeepsEveryLine(const EngineFormat& format, DataKind kind, const EngineRunner& runner);

    /// Answers none when the engine's answers tell nothing, and is then asked again next time.
    using Probe = std::function<std::optional<bool>()>;
    /// The fact of that key (the format's name and what is asked of it) for this engine version,
    /// probed once.
    bool Learned(const std::string& key, const Probe& probe);

private:
    void Load();
    /// Each probe answers none when the engine's answers tell nothing.
    std::optional<bool> ProbeOneKind(const EngineFormat& format, const EngineRunner& runner) const;
    std::optional<bool> ProbeOneWaypointPerName(const EngineFormat& format,
                                                const EngineRunner& runner) const;
    bool LinesProbed(const EngineFormat& format, DataKind kind, const EngineRunner& runner,
                     const std::string& suffix, const std::function<bool(long)>& answer);
    std::optional<long> ProbeLines(const EngineFormat& format, DataKind kind,
                                   const EngineRunner& runner) const;
    void Remember(const std::string& key, bool holds);

    std::string m_version;
    std::string m_cacheFile;
    std::mutex m_mutex;
    /// Told when a probe ends, to those waiting for the same answer.
    std::condition_variable m_probeEnded;
    std::set<std::string> m_probing;
    bool m_loaded = false;
    std::map<std::string, bool> m_known;
};

/// The file in the user's cache folder where LearnedFormats keeps what it learned.
std::string LearnedFormatsCacheFile();

} // namespace tolk
