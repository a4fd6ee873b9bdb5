#include "ConvertFiles.h"
#include "GpsSamples.h"
#include "StandInEngine.h"
#include "TempHome.h"
#include "TextFiles.h"
#include "convert/FileConversion.h"
#include "convert/FileTypes.h"
#include "host/engine/ConversionCommand.h"
#include "host/engine/EngineCommand.h"
#include "host/engine/EngineRunner.h"
#include "host/formats/FormatList.h"
#include "host/gpsbabel/GpsBabelHost.h"
#include "host/reading/SharedRuns.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <optional>
#include <set>

namespace tolk {
namespace {

namespace fs = std::filesystem;
using testing::ReadTextFile;
using testing::WriteTextFile;

// Every kind, GPX 1.1 with times; GPX 1.0 elsewhere; one long track.
const char* const Everything =
    "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"t\" "
    "xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
    "<wpt lat=\"46.1\" lon=\"7.1\"><name>A1</name><ele>500</ele></wpt>\n"
    "<wpt lat=\"46.15\" lon=\"7.15\"><name>A2</name></wpt>\n"
    "<rte><name>AR</name><rtept lat=\"46.2\" lon=\"7.2\"><name>R1</name></rtept>"
    "<rtept lat=\"46.3\" lon=\"7.3\"><name>R2</name></rtept></rte>\n"
    "<trk><name>AT</name><trkseg><trkpt lat=\"46.0\" lon=\"7.0\"><time>2020-01-01T00:00:00Z"
    "</time></trkpt><trkpt lat=\"46.5\" lon=\"7.5\"><time>2020-01-01T01:00:00Z</time></trkpt>"
    "</trkseg></trk>\n</gpx>\n";
const char* const Elsewhere =
    "<?xml version=\"1.0\"?>\n<gpx version=\"1.0\" creator=\"t\" "
    "xmlns=\"http://www.topografix.com/GPX/1/0\">\n"
    "<wpt lat=\"-33.1\" lon=\"151.1\"><name>B1</name></wpt>\n"
    "<trk><name>BT</name><trkseg><trkpt lat=\"-33.0\" lon=\"151.0\"><time>2021-01-01T00:00:00Z"
    "</time></trkpt><trkpt lat=\"-33.5\" lon=\"151.5\"><time>2021-01-01T02:00:00Z</time>"
    "</trkpt></trkseg></trk>\n</gpx>\n";

// Every kind without names, altitudes or times.
const char* const Sparse =
    "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"t\" "
    "xmlns=\"http://www.topografix.com/GPX/1/1\">\n<wpt lat=\"-33.1\" lon=\"151.1\"/>\n"
    "<rte><rtept lat=\"-33.2\" lon=\"151.2\"/><rtept lat=\"-33.3\" lon=\"151.3\"/></rte>\n"
    "<trk><trkseg><trkpt lat=\"-33.0\" lon=\"151.0\"/><trkpt lat=\"-33.5\" lon=\"151.5\"/>"
    "</trkseg></trk>\n</gpx>\n";

// A track whose points carry heart rates.
const char* const HeartRates =
    "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"t\" "
    "xmlns=\"http://www.topografix.com/GPX/1/1\" "
    "xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v1\">\n"
    "<trk><name>HR</name><trkseg><trkpt lat=\"46.0\" lon=\"7.0\"><time>2020-01-01T00:00:00Z"
    "</time><extensions><gpxtpx:TrackPointExtension><gpxtpx:hr>120</gpxtpx:hr>"
    "</gpxtpx:TrackPointExtension></extensions></trkpt><trkpt lat=\"46.5\" lon=\"7.5\">"
    "<time>2020-01-01T01:00:00Z</time></trkpt></trkseg></trk>\n</gpx>\n";

EngineRunner Installed() {
    return EngineRunner(testing::InstalledEngine(), std::chrono::seconds(60));
}

FormatList InstalledFormats() {
    return FormatList::Parse(Installed().Run({"-^3"}).output);
}

// The files of the one folder that the other does not hold alike, by name.
std::vector<std::string> Unlike(const fs::path& folder, const fs::path& other) {
    std::vector<std::string> names;
    for (const fs::path& one : {folder, other}) {
        for (const auto& entry : fs::directory_iterator(one)) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with(".")) {
                continue; // this program's records of what it made
            }
            if (ReadTextFile(entry.path().string()) != ReadTextFile((folder / name).string()) ||
                ReadTextFile(entry.path().string()) != ReadTextFile((other / name).string()) ||
                !fs::exists(folder / name) || !fs::exists(other / name)) {
                names.push_back(name);
            }
        }
    }
    return names;
}

// Files converted in one engine run come out as each does in a run of its own, outcomes and
// bytes (creation times frozen). The shared runs' engine gives its output all at once, so that
// each file's part is found in output that runs on, and counts the runs that converted files of
// the source folder together.
class SharedRunTest : public ::testing::Test {
protected:
    SharedRunTest() {
        qputenv("GPSBABEL_FREEZE_TIME", "1");
        WriteTextFile(m_home / "src/a.gpx", Everything);
        WriteTextFile(m_home / "src/b.gpx", Elsewhere);
        WriteTextFile(m_home / "src/c.gpx", testing::SampleGpx);
        WriteTextFile(m_home / "src/a.csv", testing::SampleCsv);
        WriteTextFile(m_home / "src/c.csv", testing::SampleCsv);
        testing::WriteStandInEngine(
            m_home / "buffered",
            "case \" $* \" in *'" + m_home / "" +
                "'*' nuketypes,waypoints,tracks,routes,t'*) echo >> '" + m_home / "shared-runs" +
                "';; esac\nout=$('" + testing::InstalledEngine() +
                "' \"$@\" 2>&1); status=$?; printf '%s\\n' \"$out\"; exit $status");
    }
    ~SharedRunTest() override { qunsetenv("GPSBABEL_FREEZE_TIME"); }

    static GpsBabelConfig Config(const std::map<std::string, std::string>& choices) {
        GpsBabelConfig config;
        config.reference = ReferenceData({"European 1950"}, {});
        config.formatChoices = choices;
        return config;
    }
    HostConnection& Host(bool told) {
        HostConnection& host = told ? m_shared : m_alone;
        if (!host.Present()) {
            std::optional<testing::EnginePath> path;
            if (told) {
                path.emplace(m_home / "buffered");
            }
            host.Attach(CreateGpsBabelHost(Config(m_choices)));
        }
        return host;
    }
    // The user's format choices (as --engine-format gives them) from now on.
    void Choose(const std::map<std::string, std::string>& choices) {
        m_choices = choices;
        m_alone.Release();
        m_shared.Release();
    }
    // Converts the files of the source folder into the folder, in one run or each alone; the
    // outcomes in words.
    std::string ConvertInto(const std::string& folder, bool told, ConversionSettings settings,
                            const std::vector<std::string>& names = {"a.gpx", "b.gpx", "c.gpx"}) {
        settings.TargetFldr = m_home / folder;
        fs::create_directories(settings.TargetFldr);
        const MergeIndex merges(settings.MergeExt.empty() ? MergeIndex()
                                                          : MergeIndex(settings.SourceFldr));
        HostConnection& host = Host(told);
        std::vector<FileOutcome> outcomes;
        if (told) {
            outcomes = testing::ConvertTogether(settings, host, names, merges);
        } else {
            for (const std::string& name : names) {
                outcomes.push_back(testing::ConvertFile(settings, host, name, merges));
            }
        }
        std::string said;
        for (const FileOutcome& outcome : outcomes) {
            said += outcome.status + " " + outcome.reason + " " + outcome.notKept + "\n";
        }
        return said;
    }
    // Converts the files alone and told ahead into folder/alone and folder/shared: the same
    // outcomes and the same files. True when some of them shared a run.
    bool ConvertsAsAlone(const std::string& folder, const ConversionSettings& settings,
                         const std::vector<std::string>& names) {
        const int runsBefore = SharedRuns();
        const std::string alone = ConvertInto(folder + "/alone", false, settings, names);
        EXPECT_EQ(ConvertInto(folder + "/shared", true, settings, names), alone);
        EXPECT_EQ(Unlike(m_home / (folder + "/shared"), m_home / (folder + "/alone")),
                  std::vector<std::string>());
        return SharedRuns() > runsBefore;
    }
    int SharedRuns() const {
        return static_cast<int>(std::ranges::count(ReadTextFile(m_home / "shared-runs"), '\n'));
    }
    ConversionSettings From(const std::string& sourceType, const std::string& targetType) const {
        ConversionSettings settings;
        settings.SourceFldr = m_home / "src";
        settings.SourceExt = sourceType;
        settings.TargetExt = targetType;
        return settings;
    }

    testing::TempHome m_home;
    std::map<std::string, std::string> m_choices;
    HostConnection m_alone;
    HostConnection m_shared;
};

TEST_F(SharedRunTest, EveryWriterWritesEachFileAsARunOfItsOwnDoes) {
    int sharedTypes = 0;
    for (const std::string_view type : TargetTypeTable) {
        const std::string target(type);
        if (Host(false).FormatsFor(target, FormatUse::Write).empty()) {
            continue;
        }
        const ConversionSettings plain = From("gpx", target);
        ConversionSettings merged = plain;
        merged.MergeExt = "csv";
        ConversionSettings changed = plain;
        changed.Datum = "European 1950";
        changed.Grid = "Swiss Grid";
        std::vector<ConversionSettings> variants{plain};
        if (target != "csv") {
            variants.push_back(merged);
        }
        if (Host(false).RunRefusals({"gpx", "", target, changed.Datum, changed.Grid}).empty()) {
            variants.push_back(changed);
        }
        bool shared = false;
        for (std::size_t variant = 0; variant < variants.size(); ++variant) {
            SCOPED_TRACE(target + " variant " + std::to_string(variant));
            shared = ConvertsAsAlone(target + "/" + std::to_string(variant), variants[variant],
                                     {"a.gpx", "b.gpx", "c.gpx"}) ||
                     shared;
        }
        sharedTypes += shared ? 1 : 0;
    }
    EXPECT_GE(sharedTypes, 10) << "most writers share runs";
}

// A file of the format made by the engine from the GPX text, of every kind it writes, or of
// tracks, waypoints or routes alone for a writer that takes one kind at a time; empty when it
// cannot.
std::string MadeBy(const EngineFormat& format, const std::string& gpx, const std::string& path) {
    WriteTextFile(path + ".from", gpx);
    bool made = false;
    for (std::vector<DataKind> kinds : std::vector<std::vector<DataKind>>{
             {DataKind::Waypoints, DataKind::Tracks, DataKind::Routes},
             {DataKind::Tracks},
             {DataKind::Waypoints},
             {DataKind::Routes}}) {
        std::erase_if(kinds, [&](DataKind kind) { return !format.Writes(kind); });
        const EngineCommand command = EngineCommand::Whole()
                                          .Kinds(kinds)
                                          .Read("gpx", path + ".from")
                                          .Write(format.name, path);
        made = made || (!kinds.empty() && Installed().Run(command).Succeeded());
    }
    fs::remove(path + ".from");
    return made ? path : "";
}

// A full file (names, altitudes, times, laps), a sparse one and the full one again, made with
// the engine's own writer for every reader of an offered source type that the engine also writes,
// read by that reader (as the user names it) into a writer that remembers some data kinds, with and
// without a user option: each file as alone. Readers the engine cannot make every kind they read of
// convert one file per run.
TEST_F(SharedRunTest, EveryReaderTheEngineWritesReadsEachFileAsARunOfItsOwnDoes) {
    const FormatList formats = InstalledFormats();
    std::set<std::string> tried;
    std::set<std::string> shared;
    for (const std::string_view sourceType : FileTypeTable) {
        const std::string type(sourceType);
        for (const std::string& reader : Host(false).FormatsFor(type, FormatUse::Read)) {
            const EngineFormat* format = formats.Named(reader);
            if (format == nullptr || !format->WritesAny() || !tried.insert(reader).second) {
                continue;
            }
            const std::string folder = "made-" + reader;
            fs::create_directories(m_home / folder);
            std::vector<std::string> names;
            for (const std::string name : {"1", "2", "3"}) {
                const std::string made = MadeBy(*format, name == "2" ? Sparse : Everything,
                                                m_home / (folder + "/" + name + "." + type));
                if (!made.empty()) {
                    names.push_back(name + "." + type);
                }
            }
            for (const std::string writer : {"kml", "kml,labels=0"}) {
                SCOPED_TRACE(type + " read as " + reader + " to " + writer);
                Choose({{type, reader}, {"kml", writer}});
                ConversionSettings settings = From(type, "kml");
                settings.SourceFldr = m_home / folder;
                if (ConvertsAsAlone(folder + "/" + writer, settings, names)) {
                    shared.insert(reader);
                }
            }
        }
    }
    for (const char* proven : {"gpx", "kml", "csv", "unicsv"}) {
        EXPECT_TRUE(shared.contains(proven)) << proven << " shares runs";
    }
}

// A route naming a waypoint its file lacks, which no writer makes: a file of routes and
// waypoints made by the engine for the .hwr type, its route given a third point whose number
// only the file before it defines.
TEST_F(SharedRunTest, ARouteNamingAWaypointItsFileLacksReadsAsAlone) {
    const std::vector<std::string> readers = Host(false).FormatsFor("hwr", FormatUse::Read);
    ASSERT_FALSE(readers.empty());
    const FormatList formats = InstalledFormats();
    const EngineFormat& format = *formats.Named(readers.front());
    fs::create_directories(m_home / "hwr");
    ASSERT_FALSE(MadeBy(format, Everything, m_home / "hwr/1.hwr").empty());
    ASSERT_FALSE(MadeBy(format, testing::SampleGpx, m_home / "hwr/2.hwr").empty());
    std::string lacking = ReadTextFile(m_home / "hwr/2.hwr");
    ASSERT_GT(lacking.size(), 0x96u);
    lacking[0x77] = 3; // the route's number of points
    lacking[0x94] = 0; // its third point: waypoint number 3
    lacking[0x95] = 3;
    std::ofstream(m_home / "hwr/2.hwr", std::ios::binary) << lacking;
    ConversionSettings settings = From("hwr", "kml");
    settings.SourceFldr = m_home / "hwr";
    EXPECT_FALSE(ConvertsAsAlone("hwr-out", settings, {"1.hwr", "2.hwr"}));
}

// What a reader's format cannot write is never proven: a reader without a writer, or one that
// reads a kind its writer does not write. A proven pair needs the user's options proven too.
TEST_F(SharedRunTest, OnlyReadersTheEngineCanMakeFilesForAreProven) {
    LearnedFormats learned("test", "");
    const EngineRunner engine = Installed();
    const EngineFormat gpx{"gpx", {"gpx"}, {}, {}, true, {true, true, true}, {true, true, true}};
    EngineFormat readOnly = gpx;
    std::ranges::fill(readOnly.writes, false);
    EngineFormat fewerWritten = gpx;
    fewerWritten.writes[static_cast<int>(DataKind::Tracks)] = false;
    const EngineFormat kml{"kml", {"kml"}, {}, {}, true, {true, true, true}, {true, true, true}};
    const struct {
        FormatChoice reader;
        FormatChoice writer;
        std::string sort;
        bool proven;
    } cases[] = {
        {{gpx, ""}, {kml, ""}, "xml", true},
        {{gpx, ""}, {kml, "labels=0"}, "xml", true},
        {{gpx, ""}, {kml, ""}, "binary", false},
        {{readOnly, ""}, {kml, ""}, "xml", false},
        {{fewerWritten, ""}, {kml, ""}, "xml", false},
        {{gpx, ""}, {kml, "no-such-option"}, "xml", true},
    };
    for (const auto& one : cases) {
        SCOPED_TRACE(one.reader.format.name + " to " + one.writer.options + " " + one.sort);
        EXPECT_EQ(ReaderShares(learned, "engine", one.reader, one.writer, one.sort, engine),
                  one.proven);
    }
    EXPECT_EQ(SortOfFile("\xEF\xBB\xBF <gpx"), "xml");
    EXPECT_EQ(SortOfFile("lat,lon\n1,2\n"), "text");
    EXPECT_EQ(SortOfFile(std::string("\xff\xff\x04\x00", 4)), "binary");
}

// Only a file that may hold data the KML writer remembers has an empty file written after it to
// show that: a GPX file with an extensions element, wherever it lies (here across the blocks the
// file is read in), a file of another reader, a file that cannot be read; never a GPX file
// without one.
TEST_F(SharedRunTest, OnlyFilesThatMayHoldRememberedDataAreEchoed) {
    const EngineFormat gpx{"gpx", {"gpx"}, {}, {}, true, {true, true, true}, {true, true, true}};
    EngineFormat csv = gpx;
    csv.name = "csv";
    WriteTextFile(m_home / "echo/heart.gpx", HeartRates);
    WriteTextFile(m_home / "echo/split.gpx", std::string(64 * 1024 - 4, ' ') + "<extensions/>");
    const struct {
        EngineFormat reader;
        std::string file;
        bool mayHold;
    } cases[] = {
        {gpx, "src/a.gpx", false}, {gpx, "echo/heart.gpx", true}, {gpx, "echo/split.gpx", true},
        {csv, "src/a.gpx", true},  {gpx, "echo/none.gpx", true},
    };
    for (const auto& one : cases) {
        SCOPED_TRACE(one.reader.name + " " + one.file);
        EXPECT_EQ(MayHoldRememberedData({one.reader, ""}, m_home / one.file), one.mayHold);
    }
}

// Names holding the engine's own texts (count lines, its warning about a merge partner read as
// waypoints, a mark's shape) among 50 files with merge partners, one holding heart rates the
// KML writer would remember for the files after it: every file converts as alone.
TEST_F(SharedRunTest, NamesHoldingEngineTextsAndRememberedDataConvertAsAlone) {
    const std::string folder = m_home / "names";
    std::vector<std::string> names;
    const char* const odd[] = {"b\ntotal track point ct: 0", "c\npoint ct: 7\n",
                               "attempt to read x as a track or route",
                               "'t00000000n3' is an unknown option to nuketypes.\n",
                               "d\nProcessing waypts\ntrack head ct: 9"};
    for (int index = 0; index < 50; ++index) {
        const std::string stem =
            index % 10 == 3 ? odd[index / 10] + std::to_string(index) : "f" + std::to_string(index);
        names.push_back(stem + ".gpx");
        WriteTextFile(folder + "/" + names.back(), index == 20 ? HeartRates
                                                   : index % 2 ? Elsewhere
                                                               : Everything);
        WriteTextFile(folder + "/" + stem + ".csv", testing::SampleCsv);
    }
    ConversionSettings settings = From("gpx", "kml");
    settings.SourceFldr = folder;
    settings.MergeExt = "csv";
    EXPECT_TRUE(ConvertsAsAlone("names-out", settings, names));
}

// The engine crashes on a file only when it shares a run: the file converts alone as it does in
// a run of its own, and its reader shares no run again.
TEST_F(SharedRunTest, AReaderTheEngineCrashedOnInASharedRunConvertsAloneFromThenOn) {
    std::vector<std::string> names;
    for (const char* name : {"d1.gpx", "d2.gpx", "d3.gpx", "d4.gpx", "d5.gpx"}) {
        names.emplace_back(name);
        WriteTextFile(m_home / ("crash/" + names.back()), Everything);
    }
    const std::string mark = " nuketypes,waypoints,tracks,routes,t";
    testing::WriteStandInEngine(m_home / "crashing",
                                "case \" $* \" in *'/crash/d2.gpx '*'" + mark +
                                    "'*) kill -SEGV $$;; *'" + m_home / "crash/" + "'*'" + mark +
                                    "'*) echo >> '" + m_home / "crash-runs" + "';; esac\nexec '" +
                                    testing::InstalledEngine() + "' \"$@\"");
    {
        const testing::EnginePath path(m_home / "crashing");
        m_shared.Attach(CreateGpsBabelHost(Config({})));
    }
    ConversionSettings settings = From("gpx", "kml");
    settings.SourceFldr = m_home / "crash";
    const std::string alone = ConvertInto("crash-alone", false, settings, names);
    EXPECT_EQ(ConvertInto("crash-shared", true, settings, names), alone);
    EXPECT_EQ(Unlike(m_home / "crash-shared", m_home / "crash-alone"), std::vector<std::string>());
    EXPECT_EQ(ReadTextFile(m_home / "crash-runs"), "") << "no shared run after the crash";
}

} // namespace
} // namespace tolk
