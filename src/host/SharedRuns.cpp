#include "host/SharedRuns.h"

#include "host/ConversionCommand.h"
#include "host/HeldFolder.h"
#include "host/WholeFile.h"

#include <filesystem>
#include <fstream>
#include <map>

namespace tolk {
namespace {

// Every kind, GPX 1.1, times and a route to run distances along. Both files hold one waypoint
// alike, which some writers keep once in a run.
const char* const FirstGpx =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gpx version=\"1.1\" creator=\"tolk\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
    "<wpt lat=\"46.1\" lon=\"7.1\"><name>A1</name></wpt>\n"
    "<wpt lat=\"46.4\" lon=\"7.4\"><name>Same</name></wpt>\n"
    "<rte><name>AR</name><rtept lat=\"46.2\" lon=\"7.2\"><name>R1</name></rtept>"
    "<rtept lat=\"46.3\" lon=\"7.3\"><name>R2</name></rtept></rte>\n"
    "<trk><name>AT</name><trkseg><trkpt lat=\"46.0\" lon=\"7.0\"><time>2020-01-01T00:00:00Z"
    "</time></trkpt><trkpt lat=\"46.5\" lon=\"7.5\"><time>2020-01-01T01:00:00Z</time></trkpt>"
    "</trkseg></trk>\n</gpx>\n";

// Another place, GPX 1.0, other names, and a track without times, which some writers sum up
// with what they kept of the track before.
const char* const SecondGpx =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gpx version=\"1.0\" creator=\"tolk\" xmlns=\"http://www.topografix.com/GPX/1/0\">\n"
    "<wpt lat=\"-33.1\" lon=\"151.1\"><name>B1</name></wpt>\n"
    "<wpt lat=\"46.4\" lon=\"7.4\"><name>Same</name></wpt>\n"
    "<rte><name>BR</name><rtept lat=\"-33.2\" lon=\"151.2\"><name>S1</name></rtept>"
    "<rtept lat=\"-33.3\" lon=\"151.3\"><name>S2</name></rtept></rte>\n"
    "<trk><name>BT</name><trkseg><trkpt lat=\"-33.0\" lon=\"151.0\"/>"
    "<trkpt lat=\"-33.5\" lon=\"151.5\"/></trkseg></trk>\n</gpx>\n";

const char* const ForgetsKey = "/forgets-between-files";

// The files a run wrote into the folder, by name, with what they hold: formats may write
// companion files beside the one they were given.
std::map<std::string, std::string> Written(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        files[entry->path().filename().string()] = ReadWholeFile(entry->path().string());
    }
    return files;
}

std::optional<bool> Probe(const EngineFormat& format, const EngineRunner& runner) {
    const HeldFolder dir;
    const std::filesystem::path root = dir.Path();
    for (const char* folder : {"alone", "after"}) {
        std::filesystem::create_directory(root / folder);
    }
    std::ofstream(root / "first.gpx") << FirstGpx;
    std::ofstream(root / "second.gpx") << SecondGpx;
    const std::string first = (root / "first.gpx").string();
    const std::string second = (root / "second.gpx").string();
    std::vector<std::string> read{"-p", ""};
    for (DataKind kind : AllDataKinds) {
        if (format.Writes(kind)) {
            read.emplace_back(KindFlag(kind));
        }
    }
    read.insert(read.end(), {"-i", "gpx", "-f"});
    std::vector<std::string> alone = read;
    alone.insert(alone.end(), {second, "-o", format.name, "-F", (root / "alone/out.dat").string()});
    std::vector<std::string> after = read;
    after.insert(after.end(), {first, "-o", format.name, "-F", (root / "first.dat").string(), "-x",
                               "nuketypes,waypoints,tracks,routes", "-i", "gpx", "-f", second, "-o",
                               format.name, "-F", (root / "after/out.dat").string()});
    if (!runner.RunWithFrozenClock(alone).Succeeded() ||
        !runner.RunWithFrozenClock(after).Succeeded()) {
        return std::nullopt; // a writer that cannot take its kinds together tells nothing here
    }
    return Written(root / "alone") == Written(root / "after");
}

} // namespace

bool ForgetsBetweenFiles(LearnedFormats& learned, const EngineFormat& format,
                         const EngineRunner& runner) {
    return format.WritesAny() &&
           learned.Learned(format.name + ForgetsKey, [&] { return Probe(format, runner); });
}

} // namespace tolk
