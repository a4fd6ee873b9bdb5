#include "host/reading/SharedRuns.h"

#include "host/engine/ConversionCommand.h"
#include "host/engine/EngineCommand.h"
#include "host/engine/HeldFolder.h"
#include "host/engine/RunMarks.h"
#include "host/engine/WholeFile.h"
#include "host/formats/LeadingShape.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

namespace tolk {
namespace {

namespace fs = std::filesystem;

const char* const GpxHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gpx version=\"1.1\" creator=\"tolk\" xmlns=\"http://www.topografix.com/GPX/1/1\" "
    "xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v1\">\n";

// Every kind with names, times and altitudes, a route to run distances along, and a waypoint
// alike in the second file, which some writers keep once in a run.
const std::string FirstGpx =
    std::string(GpxHead) +
    "<wpt lat=\"46.1\" lon=\"7.1\"><ele>512</ele><time>2020-01-01T00:00:00Z</time>"
    "<name>A1</name><desc>first</desc></wpt>\n"
    "<wpt lat=\"46.4\" lon=\"7.4\"><ele>369</ele><name>Same</name></wpt>\n"
    "<rte><name>AR</name><rtept lat=\"46.2\" lon=\"7.2\"><ele>400</ele><name>R1</name></rtept>"
    "<rtept lat=\"46.3\" lon=\"7.3\"><ele>410</ele><name>R2</name></rtept>"
    "<rtept lat=\"46.31\" lon=\"7.31\"><name>R3</name></rtept></rte>\n"
    "<trk><name>AT</name><trkseg><trkpt lat=\"46.0\" lon=\"7.0\"><ele>369</ele>"
    "<time>2020-01-01T00:00:00Z</time></trkpt><trkpt lat=\"46.01\" lon=\"7.01\"><ele>370</ele>"
    "<time>2020-01-01T00:01:00Z</time></trkpt><trkpt lat=\"46.5\" lon=\"7.5\"><ele>371</ele>"
    "<time>2020-01-01T01:00:00Z</time></trkpt></trkseg></trk>\n</gpx>\n";

// The same with what track points may carry beyond their place and time.
const std::string RichGpx =
    std::string(GpxHead) +
    "<trk><name>HT</name><trkseg><trkpt lat=\"46.0\" lon=\"7.0\"><ele>369</ele>"
    "<time>2020-01-01T00:00:00Z</time><sat>7</sat><hdop>1.5</hdop><vdop>2.5</vdop>"
    "<pdop>3.5</pdop><extensions><gpxtpx:TrackPointExtension><gpxtpx:atemp>21</gpxtpx:atemp>"
    "<gpxtpx:depth>3</gpxtpx:depth><gpxtpx:hr>120</gpxtpx:hr><gpxtpx:cad>80</gpxtpx:cad>"
    "</gpxtpx:TrackPointExtension></extensions></trkpt><trkpt lat=\"46.5\" lon=\"7.5\">"
    "<time>2020-01-01T01:00:00Z</time><extensions><gpxtpx:TrackPointExtension>"
    "<gpxtpx:hr>130</gpxtpx:hr></gpxtpx:TrackPointExtension></extensions></trkpt></trkseg>"
    "</trk>\n</gpx>\n";

// Another place, GPX 1.0, no names, altitudes or times.
const char* const SparseGpx =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gpx version=\"1.0\" creator=\"tolk\" xmlns=\"http://www.topografix.com/GPX/1/0\">\n"
    "<wpt lat=\"-33.1\" lon=\"151.1\"/>\n<wpt lat=\"46.4\" lon=\"7.4\"><name>Same</name></wpt>\n"
    "<rte><rtept lat=\"-33.2\" lon=\"151.2\"/><rtept lat=\"-33.3\" lon=\"151.3\"/></rte>\n"
    "<trk><trkseg><trkpt lat=\"-33.0\" lon=\"151.0\"/><trkpt lat=\"-33.5\" lon=\"151.5\"/>"
    "</trkseg></trk>\n</gpx>\n";

// The files a run wrote into the folder, by name, with what they hold: formats may write
// companion files beside the one they were given.
std::map<std::string, std::string> Written(const fs::path& folder) {
    std::map<std::string, std::string> files;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        files[entry->path().filename().string()] = ReadWholeFile(entry->path().string());
    }
    return files;
}

// What the files converted alone and in one shared run showed.
struct Proof {
    bool alike = false;     ///< every file after the first came out as alone
    bool echoShows = false; ///< the empty file written after the first differs from the one before
};

// Converts the inputs to the writer, each after the first in a run of its own and all in one
// run shared as the host shares runs, the engine's clock frozen. None when a run failed or the
// shared run printed fewer marks than it has files: the files then cannot share a run.
std::optional<Proof> Prove(const std::vector<EngineInput>& inputs, const FormatChoice& writer,
                           bool echo, const EngineRunner& runner) {
    const HeldFolder dir;
    const fs::path root = dir.Path();
    const auto steps = [&](std::size_t file, const std::string& how) {
        const fs::path folder = root / (how + std::to_string(file));
        fs::create_directory(folder);
        // The GPX of what was read only serves checks, and shows the version of the first GPX
        // file read: the outputs are what must match.
        return ConversionSteps({inputs[file]}, {{(folder / "out").string(), writer, {}, {}, {}}},
                               (root / (how + std::to_string(file) + ".gpx")).string());
    };
    const std::vector<std::string> flags = ConversionFlags({inputs.front()});
    std::vector<std::vector<std::string>> shared;
    for (std::size_t file = 0; file < inputs.size(); ++file) {
        shared.push_back(steps(file, "shared"));
        const EngineCommand alone = EngineCommand::Whole().Then(flags).Then(steps(file, "alone"));
        if (file > 0 && !runner.RunWithFrozenClock(alone).Succeeded()) {
            return std::nullopt;
        }
    }
    const RunMarks marks;
    std::optional<RunEcho> echoes;
    if (echo) {
        echoes = RunEcho{{(root / "echo").string(), writer, {}, {}, {}},
                         std::vector<bool>(inputs.size(), true)};
    }
    const EngineOutcome run =
        runner.RunWithFrozenClock(SharedRunArguments(flags, shared, marks, echoes));
    if (!run.Succeeded() || MarksIn(run.output, marks) != inputs.size()) {
        return std::nullopt;
    }
    Proof proof{true, echo && echoes->Shows(0)};
    for (std::size_t file = 1; file < inputs.size(); ++file) {
        proof.alike = proof.alike && Written(root / ("alone" + std::to_string(file))) ==
                                         Written(root / ("shared" + std::to_string(file)));
    }
    return proof;
}

// Learned facts of shared runs are named by the engine and the formats with their options; a
// name the cache cannot keep on its line is never proven.
bool Keepable(const std::string& key) {
    return key.find_first_of("\t\r\n") == std::string::npos;
}

std::string WriterKey(const std::string& engine, const FormatChoice& writer) {
    return "shared-runs/" + engine + "/" + FormatArgument(writer);
}

EngineInput GpxInput(const std::string& path) {
    EngineFormat gpx{"gpx", {"gpx"}, {}, {}, true, {true, true, true}, {true, true, true}};
    return {path, {gpx, {}}, DataKind::Waypoints};
}

// Whether the writer writes the second GPX file after the first as alone, an echo after each
// file when asked for; false when that could not be told.
std::optional<Proof> ProveWriter(const std::string& first, const FormatChoice& writer, bool echo,
                                 const EngineRunner& runner) {
    const HeldFolder dir;
    const fs::path root = dir.Path();
    std::ofstream(root / "first.gpx") << first;
    std::ofstream(root / "second.gpx") << SparseGpx;
    return Prove(
        {GpxInput((root / "first.gpx").string()), GpxInput((root / "second.gpx").string())}, writer,
        echo, runner);
}

bool WriterLearned(LearnedFormats& learned, const std::string& key, const std::string& first,
                   bool echo, const EngineRunner& runner, const FormatChoice& writer,
                   bool Proof::*answer) {
    return learned.Learned(key, [&]() -> std::optional<bool> {
        const std::optional<Proof> proof = ProveWriter(first, writer, echo, runner);
        return proof ? std::optional<bool>((*proof).*answer) : std::optional<bool>(false);
    });
}

// Files of the engine's making can show how the format is read only when the engine writes
// every kind the format reads.
bool Makeable(const EngineFormat& format) {
    return format.isFile && format.WritesAny() &&
           std::ranges::none_of(AllDataKinds, [&](DataKind kind) {
               return format.Reads(kind) && !format.Writes(kind);
           });
}

// The kind flags to make a file with, in turn: every kind the format writes, then (for writers
// that take one kind at a time) tracks, which carry the most, then waypoints, then routes.
std::vector<std::vector<DataKind>> KindsInTurn(const EngineFormat& format) {
    std::vector<std::vector<DataKind>> turns(1);
    for (DataKind kind : {DataKind::Tracks, DataKind::Waypoints, DataKind::Routes}) {
        if (format.Writes(kind)) {
            turns.front().push_back(kind);
            turns.push_back({kind});
        }
    }
    return turns;
}

// A file of the reader's format made by the engine from the GPX text, with the reader's options
// where its writer takes them; empty when the engine could not make it.
std::string MadeFile(const FormatChoice& reader, const std::string& gpx, const fs::path& folder,
                     const std::string& name, const EngineRunner& runner) {
    fs::create_directory(folder / name);
    std::ofstream(folder / name / "from.gpx") << gpx;
    const EngineFormat& format = reader.format;
    const fs::path made =
        folder / name / ("made." + (format.extensions.empty() ? "dat" : format.extensions.front()));
    for (const std::vector<DataKind>& kinds : KindsInTurn(format)) {
        for (const std::string& as : {FormatArgument(reader), format.name}) {
            const EngineCommand command = EngineCommand::Whole()
                                              .Kinds(kinds)
                                              .Read("gpx", (folder / name / "from.gpx").string())
                                              .Write(as, made.string());
            if (runner.RunWithFrozenClock(command).Succeeded()) {
                return made.string();
            }
        }
    }
    return {};
}

std::optional<bool> ProveReader(const FormatChoice& reader, const FormatChoice& writer,
                                const std::string& sort, bool echo, const EngineRunner& runner) {
    const HeldFolder dir;
    const fs::path root = dir.Path();
    const std::string full = MadeFile(reader, FirstGpx, root, "full", runner);
    const std::string sparse = MadeFile(reader, SparseGpx, root, "sparse", runner);
    const auto ofSort = [&](const std::string& file) {
        return !file.empty() && SortOfFile(LeadingBytes(file)) == sort;
    };
    if (!ofSort(full) || !ofSort(sparse)) {
        return false;
    }
    const std::optional<Proof> proof = Prove({{full, reader, DataKind::Waypoints},
                                              {sparse, reader, DataKind::Waypoints},
                                              {full, reader, DataKind::Waypoints}},
                                             writer, echo, runner);
    return proof && proof->alike;
}

} // namespace

WriterMemory MemoryOf(LearnedFormats& learned, const std::string& engine,
                      const FormatChoice& writer, const EngineRunner& runner) {
    const std::string key = WriterKey(engine, writer);
    if (engine.empty() || !writer.format.WritesAny() || !Keepable(key) ||
        !WriterLearned(learned, key + "/forgets", FirstGpx, false, runner, writer, &Proof::alike)) {
        return WriterMemory::Keeps;
    }
    if (WriterLearned(learned, key + "/forgets-rich", RichGpx, true, runner, writer,
                      &Proof::alike)) {
        return WriterMemory::Forgets;
    }
    return WriterLearned(learned, key + "/shows-rich", RichGpx, true, runner, writer,
                         &Proof::echoShows)
               ? WriterMemory::Shows
               : WriterMemory::Keeps;
}

bool ReaderShares(LearnedFormats& learned, const std::string& engine, const FormatChoice& reader,
                  const FormatChoice& writer, const std::string& sort, const EngineRunner& runner) {
    const WriterMemory memory = MemoryOf(learned, engine, writer, runner);
    const std::string key =
        WriterKey(engine, writer) + "/reads/" + FormatArgument(reader) + "/" + sort;
    return memory != WriterMemory::Keeps && Makeable(reader.format) && Keepable(key) &&
           learned.Learned(key, [&] {
               return ProveReader(reader, writer, sort, memory == WriterMemory::Shows, runner);
           });
}

bool MayHoldRememberedData(const FormatChoice& reader, const std::string& path) {
    if (reader.format.name != "gpx") {
        return true;
    }
    // Read in blocks, each after the end of the one before, so that a word split between two
    // blocks is still found; a large track is not held whole for it.
    static constexpr std::string_view Extensions = "extensions";
    constexpr std::size_t Block = 64 * 1024;
    std::ifstream file(path, std::ios::binary);
    std::string bytes;
    while (file) {
        const std::size_t kept = std::min(bytes.size(), Extensions.size() - 1);
        bytes.erase(0, bytes.size() - kept);
        bytes.resize(kept + Block);
        file.read(bytes.data() + kept, Block);
        bytes.resize(kept + static_cast<std::size_t>(file.gcount()));
        if (bytes.find(Extensions) != std::string::npos) {
            return true;
        }
    }
    return !file.eof() || file.bad();
}

std::string SortOfFile(const std::string& leadingBytes) {
    std::string_view bytes = leadingBytes;
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && bytes[first] == '<') {
        return "xml";
    }
    const bool control = std::ranges::any_of(bytes, [](char byte) {
        const auto code = static_cast<unsigned char>(byte);
        return (code < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') || code == 0x7f;
    });
    return control ? "binary" : "text";
}

} // namespace tolk
