#include "host/reading/LearnedFormats.h"

#include "host/engine/ConversionCommand.h"
#include "host/engine/EngineCommand.h"
#include "host/engine/EngineCounts.h"
#include "host/engine/HeldFolder.h"

#include <QStandardPaths>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <sstream>

namespace tolk {
namespace {

// One waypoint, a track and a route, each of two points apart from the waypoint.
const char* const ProbeGpx =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gpx version=\"1.1\" creator=\"tolk\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
    "<wpt lat=\"47.5\" lon=\"8.5\"><name>W1</name></wpt>\n"
    "<trk><name>T1</name><trkseg><trkpt lat=\"47.1\" lon=\"8.1\"/><trkpt lat=\"47.2\" "
    "lon=\"8.2\"/></trkseg></trk>\n"
    "<rte><name>R1</name><rtept lat=\"47.3\" lon=\"8.3\"><name>R1A</name></rtept><rtept "
    "lat=\"47.4\" lon=\"8.4\"><name>R1B</name></rtept></rte>\n"
    "</gpx>\n";

// The points of each kind in the probe, in the order of AllDataKinds.
constexpr long ProbePoints[] = {1, 2, 2};

// Three waypoints, two of them of one name.
const char* const SameNamesGpx =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gpx version=\"1.1\" creator=\"tolk\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
    "<wpt lat=\"47.5\" lon=\"8.5\"><name>W1</name></wpt>\n"
    "<wpt lat=\"47.6\" lon=\"8.6\"><name>W1</name></wpt>\n"
    "<wpt lat=\"47.7\" lon=\"8.7\"><name>W2</name></wpt>\n"
    "</gpx>\n";

constexpr long SameNamesPoints = 3;

// What a probe's key in the cache is suffixed with, after the format's name. (The one-kind
// answers under the bare name counted points of kinds the format does not write as lost.)
const char* const OneKindKey = "/one-kind";
const char* const OneWaypointPerNameKey = "/names";

const char* const FirstOnlyKey = "/first-only-";
const char* const EveryLineKey = "/every-one-";

// Two tracks, or two routes, the first of two points and the second of three, with times: some
// formats keep only points with one.
std::string TwoLinesGpx(DataKind kind) {
    const bool tracks = kind == DataKind::Tracks;
    const std::string open = tracks ? "<trk><name>L1</name><trkseg>" : "<rte><name>L1</name>";
    const std::string close = tracks ? "</trkseg></trk>\n" : "</rte>\n";
    const std::string point = tracks ? "trkpt" : "rtept";
    std::string gpx = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" "
                      "creator=\"tolk\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
    const int points[] = {2, 3};
    for (int line = 0; line < 2; ++line) {
        gpx += open;
        for (int index = 0; index < points[line]; ++index) {
            const std::string number = std::to_string(line * 3 + index + 1);
            gpx += "<" + point + " lat=\"47." + number + "\" lon=\"8." + number +
                   "\"><time>2024-05-01T10:0" + number + ":00Z</time><name>P" + number +
                   "</name></" + point + ">";
        }
        gpx += close;
    }
    return gpx + "</gpx>\n";
}

constexpr long FirstLinePoints = 2;
constexpr long LinesPoints = 5;

// One job's probe of a key, the lock let go meanwhile; however the probe ends, the lock is taken
// again and those waiting for the key are told, so that none waits for ever.
class ProbeTurn {
public:
    ProbeTurn(std::unique_lock<std::mutex>& lock, std::set<std::string>& probing,
              std::condition_variable& ended, const std::string& key)
        : m_lock(lock), m_probing(probing), m_ended(ended), m_key(key) {
        m_probing.insert(m_key);
        m_lock.unlock();
    }
    ~ProbeTurn() {
        m_lock.lock();
        m_probing.erase(m_key);
        m_ended.notify_all();
    }
    ProbeTurn(const ProbeTurn&) = delete;
    ProbeTurn& operator=(const ProbeTurn&) = delete;

private:
    std::unique_lock<std::mutex>& m_lock;
    std::set<std::string>& m_probing;
    std::condition_variable& m_ended;
    const std::string& m_key;
};

// For the probes of formats that take one kind at a time.
const DataKind WaypointsOnly[] = {DataKind::Waypoints};

// The engine's command writing the GPX file's data of the kinds to the format.
EngineCommand WriteFromGpx(std::span<const DataKind> kinds, const std::string& gpx,
                           const EngineFormat& format, const std::string& written) {
    return EngineCommand::Whole().Kinds(kinds).Read("gpx", gpx).Write(format.name, written);
}

// The engine's command reading the kinds of the written file back, counting what it read.
EngineCommand CountRead(std::span<const DataKind> kinds, const EngineFormat& format,
                        const std::string& written) {
    return EngineCommand::Whole().Kinds(kinds).Read(format.name, written).Count();
}

// Some file beside the source holds something: formats may name their files themselves.
bool WroteBeside(const std::filesystem::path& source) {
    std::error_code error;
    for (std::filesystem::directory_iterator entry(source.parent_path(), error), end;
         !error && entry != end; entry.increment(error)) {
        if (entry->path() != source && entry->is_regular_file(error) &&
            entry->file_size(error) > 0) {
            return true;
        }
    }
    return false;
}

int WrittenKinds(const EngineFormat& format) {
    return static_cast<int>(
        std::ranges::count_if(AllDataKinds, [&](DataKind kind) { return format.Writes(kind); }));
}

} // namespace

std::string LearnedFormatsCacheFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return folder.isEmpty() ? std::string()
                            : folder.toStdString() + "/Orvane/TOLK/learned-formats.txt";
}

LearnedFormats::LearnedFormats(std::string version, std::string cacheFile)
    : m_version(std::move(version)), m_cacheFile(std::move(cacheFile)) {}

bool LearnedFormats::HoldsOneKind(const EngineFormat& format, const EngineRunner& runner) {
    return WrittenKinds(format) >= 2 &&
           Learned(format.name + OneKindKey, [&] { return ProbeOneKind(format, runner); });
}

bool LearnedFormats::KeepsOneWaypointPerName(const EngineFormat& format,
                                             const EngineRunner& runner) {
    return format.Writes(DataKind::Waypoints) && format.Reads(DataKind::Waypoints) &&
           Learned(format.name + OneWaypointPerNameKey,
                   [&] { return ProbeOneWaypointPerName(format, runner); });
}

bool LearnedFormats::KeepsFirstOnly(const EngineFormat& format, DataKind kind,
                                    const EngineRunner& runner) {
    return LinesProbed(format, kind, runner, FirstOnlyKey,
                       [](long readBack) { return readBack == FirstLinePoints; });
}

bool LearnedFormats::KeepsEveryLine(const EngineFormat& format, DataKind kind,
                                    const EngineRunner& runner) {
    return LinesProbed(format, kind, runner, EveryLineKey,
                       [](long readBack) { return readBack >= LinesPoints; });
}

bool LearnedFormats::LinesProbed(const EngineFormat& format, DataKind kind,
                                 const EngineRunner& runner, const std::string& suffix,
                                 const std::function<bool(long)>& answer) {
    return kind != DataKind::Waypoints && format.Writes(kind) && format.ReadsAny() &&
           Learned(format.name + suffix + KindName(kind), [&]() -> std::optional<bool> {
               const std::optional<long> readBack = ProbeLines(format, kind, runner);
               return readBack ? std::optional<bool>(answer(*readBack)) : std::nullopt;
           });
}

bool LearnedFormats::Learned(const std::string& key, const Probe& probe) {
    std::unique_lock lock(m_mutex);
    Load();
    // Another job asking the same question waits for its answer rather than probing too.
    m_probeEnded.wait(lock, [&] { return !m_probing.contains(key); });
    const auto known = m_known.find(key);
    if (known != m_known.end()) {
        return known->second;
    }
    std::optional<bool> holds;
    {
        const ProbeTurn turn(lock, m_probing, m_probeEnded, key);
        holds = probe();
    }
    if (!holds) {
        return false; // not learned: asked again next time
    }
    Remember(key, *holds);
    return *holds;
}

// Lines "version<TAB>key<TAB>0 or 1"; those of other engine versions do not count.
void LearnedFormats::Load() {
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    std::ifstream file(m_cacheFile);
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        std::string version;
        std::string name;
        std::string oneKind;
        if (std::getline(fields, version, '\t') && std::getline(fields, name, '\t') &&
            std::getline(fields, oneKind) && version == m_version) {
            m_known.emplace(name, oneKind == "1");
        }
    }
}

void LearnedFormats::Remember(const std::string& key, bool holds) {
    m_known[key] = holds;
    if (m_cacheFile.empty()) {
        return;
    }
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(m_cacheFile).parent_path(), ignored);
    // One short appended line: hosts working side by side never tear each other's lines.
    std::ofstream(m_cacheFile, std::ios::app)
        << m_version + "\t" + key + (holds ? "\t1\n" : "\t0\n");
}

// A format that refuses all three kinds at once, or reads back fewer points than it was given of
// the kinds it writes, keeps one kind per file.
std::optional<bool> LearnedFormats::ProbeOneKind(const EngineFormat& format,
                                                 const EngineRunner& runner) const {
    const HeldFolder dir;
    const std::string source = dir.File("probe.gpx");
    const std::string written = dir.File("probe.out");
    std::ofstream(source) << ProbeGpx;
    const auto write = [&](std::span<const DataKind> kinds) {
        return runner.Run(WriteFromGpx(kinds, source, format, written)).Succeeded();
    };
    if (!write(AllDataKinds)) {
        // Refusing several kinds while writing one is holding one kind per file; an engine that
        // writes nothing at all tells nothing.
        return write(WaypointsOnly) ? std::optional<bool>(true) : std::nullopt;
    }
    const EngineOutcome read = runner.Run(CountRead(AllDataKinds, format, written));
    const KindCounts counts = CountsRead(read.output);
    // Without a written file or the filter's report the engine told nothing.
    if (!format.ReadsAny() || !read.Succeeded() || !WroteBeside(source) || !counts.reported) {
        return std::nullopt;
    }
    // Formats may read one kind back as another (a route as a track): what counts is that every
    // point arrives.
    long given = 0;
    for (DataKind kind : AllDataKinds) {
        given += format.Writes(kind) ? ProbePoints[static_cast<int>(kind)] : 0;
    }
    return counts.Total() < given;
}

// A format that reads back fewer waypoints than it was given keeps one of each name.
std::optional<bool> LearnedFormats::ProbeOneWaypointPerName(const EngineFormat& format,
                                                            const EngineRunner& runner) const {
    const HeldFolder dir;
    const std::string source = dir.File("names.gpx");
    const std::string written = dir.File("names.out");
    std::ofstream(source) << SameNamesGpx;
    if (!runner.Run(WriteFromGpx(WaypointsOnly, source, format, written)).Succeeded()) {
        return std::nullopt;
    }
    const EngineOutcome read = runner.Run(CountRead(WaypointsOnly, format, written));
    const long waypoints = CountsRead(read.output).Of(DataKind::Waypoints);
    // A format that reads back no waypoint at all tells nothing about names.
    if (!read.Succeeded() || waypoints == 0) {
        return std::nullopt;
    }
    return waypoints < SameNamesPoints;
}

// How many points of the two lines the format reads back once it wrote them; none when the
// engine did not finish. A format that wrote nothing reads back none.
std::optional<long> LearnedFormats::ProbeLines(const EngineFormat& format, DataKind kind,
                                               const EngineRunner& runner) const {
    const HeldFolder dir;
    const std::string source = dir.File("lines.gpx");
    const std::string written = dir.File("lines.out");
    std::ofstream(source) << TwoLinesGpx(kind);
    const EngineOutcome write =
        runner.Run(WriteFromGpx(std::span(&kind, 1), source, format, written));
    if (write.ending != EngineOutcome::Ending::Finished) {
        return std::nullopt;
    }
    std::vector<DataKind> kinds;
    std::ranges::copy_if(AllDataKinds, std::back_inserter(kinds),
                         [&format](DataKind read) { return format.Reads(read); });
    const EngineOutcome read = runner.Run(CountRead(kinds, format, written));
    if (read.ending != EngineOutcome::Ending::Finished) {
        return std::nullopt;
    }
    return write.exitCode == 0 ? CountsRead(read.output).Total() : 0;
}

} // namespace tolk
