#include "host/gpsbabel/GpsBabelHost.h"

#include "ConvertFiles.h"
#include "GpsSamples.h"
#include "TextFiles.h"
#include "host/engine/EngineCommand.h"
#include "host/engine/EngineRunner.h"

#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tolk {
namespace {

using testing::ReadTextFile;
using testing::WriteTextFile;
using Strings = std::vector<std::string>;
namespace fs = std::filesystem;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Every case runs the installed engine on small files it writes itself.
class GpsBabelHostTest : public ::testing::Test {
protected:
    GpsBabelHostTest() {
        m_config.workFolder = Path("work");
        m_config.reference = ReferenceData({"WGS 84", "European 1950", "OSGB36"},
                                           {"British Grid (BNG)", "Swiss Grid"});
        fs::create_directories(Path("work"));
    }

    std::string Path(const std::string& name) const {
        return m_dir.path().toStdString() + "/" + name;
    }
    HostLink& Host() {
        if (!m_host) {
            m_host = CreateGpsBabelHost(m_config);
        }
        return *m_host;
    }
    std::int32_t Call(HostStatus (HostLink::*operation)(const std::string&, std::int32_t&),
                      const std::string& argument) {
        std::int32_t result = -1;
        const HostStatus status = (Host().*operation)(argument, result);
        EXPECT_FALSE(status.Failed()) << status.description;
        m_reason = status.reason;
        return result;
    }
    std::int32_t Open(const std::string& name) { return Call(&HostLink::OpenFile, Path(name)); }
    std::int32_t Merge(const std::string& name) { return Call(&HostLink::MergeFile, Path(name)); }
    std::int32_t Save(const std::string& name) { return Call(&HostLink::SaveFileAs, Path(name)); }
    std::int32_t Grid(const std::string& name) { return Call(&HostLink::ChangeGrid, name); }
    std::int32_t Datum(const std::string& name) { return Call(&HostLink::ChangeDatum, name); }
    void Close() {
        std::int32_t result = -1;
        EXPECT_FALSE(Host().CloseWindow(result).Failed());
        EXPECT_EQ(result, 0);
    }
    /// Open, save and close: the per-file sequence without merge, grid or datum.
    std::int32_t Convert(const std::string& from, const std::string& to) {
        EXPECT_EQ(Open(from), 0) << from;
        const std::int32_t result = Save(to);
        Close();
        return result;
    }
    /// Writes the sample GPX in the engine format named, with the engine's own writer.
    void WriteWithEngine(const std::string& format, const std::string& name) {
        WriteTextFile(Path("sample-source.gpx"), testing::SampleGpx);
        const EngineOutcome written = EngineRunner("gpsbabel", std::chrono::seconds(30))
                                          .Run(EngineCommand::Whole()
                                                   .Read("gpx", Path("sample-source.gpx"))
                                                   .Write(format, Path(name)));
        ASSERT_TRUE(written.Succeeded()) << written.output;
        fs::remove(Path("sample-source.gpx"));
    }
    Strings Names(const std::string& folder = "") const {
        Strings names;
        for (const auto& entry : fs::directory_iterator(Path(folder))) {
            names.push_back(entry.path().filename().string());
        }
        std::ranges::sort(names);
        return names;
    }

    QTemporaryDir m_dir;
    GpsBabelConfig m_config;
    std::unique_ptr<HostLink> m_host;
    /// The reason the last call made through Call gave.
    std::string m_reason;
};

TEST_F(GpsBabelHostTest, AnswersWithTheEnginesVersionLine) {
    std::string version;
    EXPECT_FALSE(Host().GetVersion(version).Failed());
    EXPECT_TRUE(version.starts_with("GPSBabel Version 1.")) << version;
    std::int32_t result = -1;
    EXPECT_FALSE(Host().RefreshData(result).Failed());
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(Host().RefreshMap(result).Failed());
    EXPECT_EQ(result, 0);
}

TEST_F(GpsBabelHostTest, GpxToKmlCarriesWaypointsTracksAndRoutes) {
    WriteTextFile(Path("walk.gpx"), testing::SampleGpx);
    EXPECT_EQ(Convert("walk.gpx", "walk.kml"), 0);
    const std::string kml = ReadTextFile(Path("walk.kml"));
    EXPECT_TRUE(Contains(kml, "<name>Greenwich</name>")) << kml;
    EXPECT_TRUE(Contains(kml, "-0.001545,51.477928"));
    EXPECT_TRUE(Contains(kml, "<name>Walk</name>"));
    EXPECT_TRUE(Contains(kml, "<name>Way</name>"));
    EXPECT_EQ(Names(), (Strings{"walk.gpx", "walk.kml", "work"}));
}

TEST_F(GpsBabelHostTest, KmlToGpx) {
    WriteTextFile(Path("summit.kml"), testing::SampleKml);
    EXPECT_EQ(Convert("summit.kml", "summit.gpx"), 0);
    const std::string gpx = ReadTextFile(Path("summit.gpx"));
    EXPECT_TRUE(Contains(gpx, "<wpt lat=\"46.250000000\" lon=\"10.500000000\">")) << gpx;
    EXPECT_TRUE(Contains(gpx, "<name>Summit</name>"));
}

TEST_F(GpsBabelHostTest, MergedFileJoinsTheDocumentInOneRun) {
    WriteTextFile(Path("walk.gpx"), testing::SampleGpx);
    WriteTextFile(Path("walk.csv"), testing::SampleCsv);
    EXPECT_EQ(Open("walk.gpx"), 0);
    EXPECT_EQ(Merge("walk.csv"), 0);
    EXPECT_EQ(Save("walk.kml"), 0);
    const std::string kml = ReadTextFile(Path("walk.kml"));
    EXPECT_TRUE(Contains(kml, "<name>Greenwich</name>")) << kml;
    EXPECT_TRUE(Contains(kml, "<name>Mill</name>"));
    EXPECT_TRUE(Contains(kml, "8.200000,47.100000"));
    // Closing ends the document: the merged file is not part of the next one.
    Close();
    EXPECT_EQ(Convert("walk.gpx", "alone.kml"), 0);
    EXPECT_FALSE(Contains(ReadTextFile(Path("alone.kml")), "Mill"));
}

TEST_F(GpsBabelHostTest, HostsMadeTogetherKeepDocumentsOfTheirOwn) {
    WriteTextFile(Path("walk.gpx"), testing::SampleGpx);
    WriteTextFile(Path("walk.csv"), testing::SampleCsv);
    WriteTextFile(Path("summit.kml"), testing::SampleKml);
    WriteTextFile(Path("work/hostformats.ini"), "[FORMATS]\r\ntxt=gpx\r\n");
    const auto hosts = CreateGpsBabelHosts(m_config, 2);
    ASSERT_EQ(hosts.size(), 2u);
    std::int32_t result = -1;
    EXPECT_FALSE(hosts[0]->OpenFile(Path("walk.gpx"), result).Failed());
    EXPECT_FALSE(hosts[1]->OpenFile(Path("summit.kml"), result).Failed());
    EXPECT_FALSE(hosts[0]->MergeFile(Path("walk.csv"), result).Failed());
    EXPECT_FALSE(hosts[1]->SaveFileAs(Path("summit.txt"), result).Failed());
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(hosts[0]->SaveFileAs(Path("walk.txt"), result).Failed());
    EXPECT_EQ(result, 0);

    const std::string summit = ReadTextFile(Path("summit.txt"));
    const std::string walk = ReadTextFile(Path("walk.txt"));
    EXPECT_TRUE(Contains(summit, "<name>Summit</name>")) << summit;
    EXPECT_FALSE(Contains(summit, "Mill"));
    EXPECT_TRUE(Contains(walk, "<name>Mill</name>")) << walk;
    EXPECT_FALSE(Contains(walk, "Summit"));
}

TEST_F(GpsBabelHostTest, DatumAndGridShowInATextTarget) {
    WriteTextFile(Path("walk.gpx"), testing::SampleGpx);
    EXPECT_EQ(Open("walk.gpx"), 0);
    EXPECT_EQ(Grid("utm/ups"), 0);
    EXPECT_EQ(Datum("EUROPEAN 1950"), 0);
    EXPECT_EQ(Save("walk.txt"), 0);
    Close();
    const std::string text = ReadTextFile(Path("walk.txt"));
    EXPECT_TRUE(text.starts_with("Grid\tUTM\r\nDatum\tEuropean 1950\r\n")) << text;
    EXPECT_TRUE(Contains(text, "Greenwich\t\tUser Waypoint\t30 U "));

    // A new document starts from the engine's defaults again.
    EXPECT_EQ(Convert("walk.gpx", "plain.txt"), 0);
    EXPECT_TRUE(ReadTextFile(Path("plain.txt")).starts_with("Grid\tLat/Lon hddd"));
    EXPECT_TRUE(Contains(ReadTextFile(Path("plain.txt")), "Datum\tWGS 84"));
}

TEST_F(GpsBabelHostTest, ADatumOrGridTheTargetCannotCarryIsRefusedNotDropped) {
    WriteTextFile(Path("walk.gpx"), testing::SampleGpx);
    WriteTextFile(Path("walk.kml"), "the old target");
    EXPECT_EQ(Open("walk.gpx"), 0);
    EXPECT_EQ(Datum("OSGB36"), 0);
    EXPECT_EQ(Save("walk.kml"), GpsBabelHost::Refused);
    EXPECT_EQ(m_reason, "kml cannot carry a datum change");
    EXPECT_EQ(ReadTextFile(Path("walk.kml")), "the old target");
    // WGS 84 and the ways of showing degrees are no change to a format that holds degrees.
    EXPECT_EQ(Datum("WGS 84"), 0);
    EXPECT_EQ(Grid("LAT LON DM"), 0);
    EXPECT_EQ(Save("walk.kml"), 0);
    EXPECT_TRUE(Contains(ReadTextFile(Path("walk.kml")), "-0.001545,51.477928"));

    EXPECT_EQ(Host().RunRefusals({"GPX", "", "kml", "OSGB36", "Swiss Grid"}),
              (Strings{"kml cannot carry a datum change", "kml cannot carry a grid change"}));
    EXPECT_EQ(
        Host().RunRefusals({"gpx", "xyz", "plt", "Tokyo mean", "Maidenhead"}),
        (Strings{"no gpsbabel format reads .xyz files (the merge type)",
                 "gpsbabel offers no datum \"Tokyo mean\"", "gpsbabel has no grid \"Maidenhead\"",
                 "no gpsbabel format writes .plt files"}));
    EXPECT_TRUE(Host().RunRefusals({"Gpx", "CSV", "txt", "OSGB36", "UTM/UPS"}).empty());

    // In a run to kml, the change itself is refused, with the same reason, by every job's host
    // alike; the file converts without it.
    ConversionSettings run;
    run.SourceFldr = run.TargetFldr = m_dir.path().toStdString();
    run.SourceExt = "gpx";
    run.TargetExt = "kml";
    run.Datum = "OSGB36";
    run.Grid = "UTM/UPS";
    for (std::unique_ptr<HostLink>& job : CreateGpsBabelHosts(m_config, 2)) {
        HostConnection host(std::move(job));
        const FileOutcome outcome = testing::ConvertFile(run, host, "walk.gpx", MergeIndex());
        EXPECT_EQ(outcome.messages, (Strings{"Unable to change grid", "Unable to change datum"}));
        EXPECT_EQ(outcome.reason, "kml cannot carry a grid change");
        EXPECT_TRUE(outcome.converted);
    }
}

TEST_F(GpsBabelHostTest, OnlyOfferedNamesThatTheEngineCanApplyAreAccepted) {
    EXPECT_EQ(Grid("LAT LON D"), 0);
    EXPECT_EQ(Grid("Lat Lon DMS"), 0);
    EXPECT_EQ(Grid("british grid (bng)"), 0);
    EXPECT_NE(Grid("Maidenhead"), 0); // offered, but the engine has no such grid
    EXPECT_NE(Grid("Lambert"), 0);
    EXPECT_NE(Datum("Tokyo mean"), 0); // a datum the engine knows but the list does not offer
    EXPECT_NE(Datum(""), 0);
    m_config.reference = ReferenceData({"WGS 84"}, {});
    m_host.reset();
    EXPECT_NE(Grid("Swiss Grid"), 0); // not offered without GRIDS.TXT naming it
    EXPECT_EQ(Grid("UTM/UPS"), 0);
}

TEST_F(GpsBabelHostTest, RefusedNamesKeepTheEarlierChoice) {
    WriteTextFile(Path("walk.gpx"), testing::SampleGpx);
    EXPECT_EQ(Open("walk.gpx"), 0);
    EXPECT_EQ(Grid("LAT LON DMS"), 0);
    EXPECT_NE(Grid("Maidenhead"), 0);
    EXPECT_EQ(Save("walk.txt"), 0);
    EXPECT_TRUE(ReadTextFile(Path("walk.txt")).starts_with("Grid\tLat/Lon hddd\xB0mm'ss.s"));
}

TEST_F(GpsBabelHostTest, NamesThatLookLikeOptionsOrHoldOddLettersConvert) {
    const std::string source = "-Wég, 'Ölberg' \"Nord\" 步道.gpx";
    const std::string target = "-Wég, 'Ölberg' \"Nord\" 步道.kml";
    fs::create_directories(Path("out dir,-x"));
    WriteTextFile(Path(source), testing::SampleGpx);
    EXPECT_EQ(Convert(source, "out dir,-x/" + target), 0);
    EXPECT_TRUE(Contains(ReadTextFile(Path("out dir,-x/" + target)), "Greenwich"));
    EXPECT_EQ(Names("out dir,-x"), (Strings{target}));
}

TEST_F(GpsBabelHostTest, CorruptInputFailsAndKeepsTheOldTarget) {
    WriteTextFile(Path("bad.gpx"), testing::CorruptGpx);
    WriteTextFile(Path("bad.kml"), "the old target");
    EXPECT_EQ(Open("bad.gpx"), 0); // the engine finds the fault when it reads the file
    EXPECT_EQ(Save("bad.kml"), GpsBabelHost::EngineFailed);
    EXPECT_TRUE(Contains(m_reason, "Premature end of document")) << m_reason;
    EXPECT_TRUE(Contains(m_reason, Path("bad.gpx"))) << m_reason;
    EXPECT_EQ(ReadTextFile(Path("bad.kml")), "the old target");
    EXPECT_EQ(Names(), (Strings{"bad.gpx", "bad.kml", "work"}));

    // A well-formed file without data converts to nothing: a failure with its reason.
    WriteTextFile(Path("empty.gpx"), "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\"></gpx>\n");
    EXPECT_EQ(Convert("empty.gpx", "bad.kml"), GpsBabelHost::EngineFailed);
    EXPECT_EQ(m_reason, "gpsbabel read no data from the file as .gpx");
    EXPECT_EQ(ReadTextFile(Path("bad.kml")), "the old target");
}

TEST_F(GpsBabelHostTest, EachFileIsReadByTheFormatItIsWrittenIn) {
    // Of the readers that find believable positions, the one that reads every row: a reader
    // expecting two header lines also finds some, without the first row and the names.
    WriteTextFile(Path("rows.csv"), "No,Latitude,Longitude,Name\n1,51.5,-0.1,\"Mill\"\n"
                                    "2,51.6,-0.2,\"Barn\"\n3,51.7,-0.3,\"Ford\"\n");
    EXPECT_EQ(Convert("rows.csv", "rows.gpx"), 0) << m_reason;
    const std::string rows = ReadTextFile(Path("rows.gpx"));
    EXPECT_TRUE(Contains(rows, "<name>Mill</name>") && Contains(rows, "<name>Ford</name>")) << rows;
    // After a file of two header lines, which that reader reads best, the next headed file is
    // not handed to it for having the same type.
    WriteTextFile(Path("log.csv"), "time,lat,lon\n,(deg),(deg)\n2026-05-01T08:00:00Z,47.1,8.2\n"
                                   "2026-05-01T08:01:00Z,47.2,8.3\n");
    EXPECT_EQ(Convert("log.csv", "log.gpx"), 0) << m_reason;
    EXPECT_EQ(Convert("rows.csv", "rows.gpx"), 0) << m_reason;
    EXPECT_TRUE(Contains(ReadTextFile(Path("rows.gpx")), "<name>Mill</name>"));
    // A headed CSV, which the format named "csv" would read with its header as a point at 0,0.
    WriteWithEngine("unicsv", "headed.csv");
    EXPECT_EQ(Convert("headed.csv", "headed.gpx"), 0) << m_reason;
    const std::string headed = ReadTextFile(Path("headed.gpx"));
    EXPECT_TRUE(Contains(headed, "<wpt lat=\"51.477928000\" lon=\"-0.001545000\"")) << headed;
    EXPECT_FALSE(Contains(headed, "lat=\"0.000000000\""));
    // The plain kind still converts after the headed one was read (its reader comes first now).
    WriteTextFile(Path("plain.csv"), testing::SampleCsv);
    EXPECT_EQ(Convert("plain.csv", "plain.gpx"), 0) << m_reason;
    EXPECT_TRUE(Contains(ReadTextFile(Path("plain.gpx")), "<name>Mill</name>"));

    // An XML .loc file, which the first format listing ".loc" (a binary one) cannot read.
    WriteTextFile(Path("cache.loc"),
                  "<?xml version=\"1.0\"?>\n<loc version=\"1.0\"><waypoint>"
                  "<name id=\"W12\"><![CDATA[Old Tower]]></name><coord lat=\"47.5\" lon=\"8.5\"/>"
                  "</waypoint></loc>\n");
    EXPECT_EQ(Convert("cache.loc", "cache.gpx"), 0) << m_reason;
    EXPECT_TRUE(Contains(ReadTextFile(Path("cache.gpx")), "Old Tower"));
}

TEST_F(GpsBabelHostTest, TextReadAsNoiseFailsWithItsReasonWhateverTheReaders) {
    const char* const noise = "Lorem ipsum dolor\n7, sit amet\nconsectetur, -8.1\nadipiscing\n";
    WriteTextFile(Path("noise.csv"), noise);
    WriteTextFile(Path("noise.gpx"), "the old target");
    EXPECT_EQ(Convert("noise.csv", "noise.gpx"), GpsBabelHost::NothingWritten);
    // The engine's other readers of lines were tried last.
    EXPECT_TRUE(Contains(m_reason, "none of the 8 readers of .csv nor 17 of gpsbabel's "
                                   "other readers read believable positions from this "
                                   "file (tried csv, "))
        << m_reason;
    // A header line that the type's readers read as a point at 0,0 names the reader of headed
    // rows.
    WriteTextFile(Path("head.txt"), "Name,Latitude,Longitude\nP1,47.1,8.2\nP2,47.2,8.3\n");
    EXPECT_EQ(Convert("head.txt", "head.gpx"), GpsBabelHost::Done);
    EXPECT_EQ(m_reason, "read as unicsv: the file holds values under a header row");
    // A reader the user named is the only one, and its read is taken as given.
    m_config.formatChoices = {{"txt", "csv"}};
    m_host.reset();
    EXPECT_EQ(Convert("head.txt", "head.gpx"), GpsBabelHost::Done) << m_reason;
    // Bytes that no binary reader of the type takes: the reason says none did.
    std::string bytes(3000, '\0');
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        bytes[at] = static_cast<char>((at * 7919 + 13) % 251);
    }
    WriteTextFile(Path("noise.bin"), bytes);
    EXPECT_NE(Convert("noise.bin", "noise.gpx"), GpsBabelHost::Done);
    EXPECT_TRUE(Contains(m_reason, " readers of .bin read this file; the last said: ")) << m_reason;
    // An empty file holds nothing, whatever each reader complains of.
    WriteTextFile(Path("empty.csv"), "");
    EXPECT_EQ(Convert("empty.csv", "empty.gpx"), GpsBabelHost::EngineFailed);
    EXPECT_EQ(m_reason, "gpsbabel read no data from the file as .csv");
    // A type read by one format only is judged the same way.
    m_config.formatChoices = {{"wpt", "csv"}};
    m_host.reset();
    WriteTextFile(Path("noise.wpt"), noise);
    EXPECT_EQ(Convert("noise.wpt", "noise.gpx"), GpsBabelHost::NothingWritten);
    EXPECT_EQ(ReadTextFile(Path("noise.gpx")), "the old target");
}

TEST_F(GpsBabelHostTest, WaypointsSharingANameFailWhereTheTargetKeepsOneOfEachName) {
    WriteTextFile(Path("pois.gpx"),
                  "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"t\" "
                  "xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
                  "<wpt lat=\"47.1\" lon=\"8.1\"><name>Hut</name></wpt>\n"
                  "<wpt lat=\"47.2\" lon=\"8.2\"><name>Hut</name></wpt>\n</gpx>\n");
    EXPECT_EQ(Convert("pois.gpx", "pois.txt"), GpsBabelHost::NothingWritten);
    EXPECT_TRUE(Contains(m_reason, "keeps one waypoint of each name")) << m_reason;
    EXPECT_FALSE(std::filesystem::exists(Path("pois.txt")));
    EXPECT_EQ(Convert("pois.gpx", "pois.kml"), GpsBabelHost::Done);
}

TEST_F(GpsBabelHostTest, ModesNamesAndCaseTwinsOnTheFileSystem) {
    WriteTextFile(Path("walk.gpx"), testing::SampleGpx);
    const auto modeOf = [&](const std::string& name) {
        return fs::status(Path(name)).permissions() & fs::perms::all;
    };
    const mode_t before = ::umask(022);
    EXPECT_EQ(Convert("walk.gpx", "open.kml"), 0);
    ::umask(077);
    EXPECT_EQ(Convert("walk.gpx", "private.kml"), 0);
    fs::permissions(Path("open.kml"), fs::perms(0640));
    EXPECT_EQ(Convert("walk.gpx", "open.kml"), 0);
    ::umask(before);
    EXPECT_EQ(modeOf("private.kml"), fs::perms(0600));
    EXPECT_EQ(modeOf("open.kml"), fs::perms(0640)) << "a replaced target keeps its mode";

    // A name that is not valid UTF-8 reaches the engine through a private link.
    const std::string odd = "walk-\xff\xfe";
    WriteTextFile(Path(odd + ".gpx"), testing::SampleGpx);
    EXPECT_EQ(Convert(odd + ".gpx", odd + ".kml"), 0) << m_reason;
    EXPECT_TRUE(Contains(ReadTextFile(Path(odd + ".kml")), "Greenwich"));

    // Names differing only in case are two files: each converts once, as itself.
    WriteTextFile(Path("a.gpx"), testing::SampleGpx);
    WriteTextFile(Path("a.GPX"), testing::SampleKml); // a KML file under a GPX name
    EXPECT_EQ(Convert("a.gpx", "a-lower.kml"), 0);
    EXPECT_EQ(m_reason, "");
    EXPECT_EQ(Convert("a.GPX", "a-upper.kml"), 0);
    EXPECT_EQ(m_reason, "read as kml: the file holds KML");
    EXPECT_TRUE(Contains(ReadTextFile(Path("a-upper.kml")), "Summit"));
    EXPECT_EQ(Open("A.gpx"), GpsBabelHost::Refused) << "neither twin is the one asked for";
}

TEST_F(GpsBabelHostTest, MissingOrUnknownFilesAreRefusedAndNothingIsWritten) {
    WriteTextFile(Path("walk.gpx"), testing::SampleGpx);
    WriteTextFile(Path("walk.plt"), "no format lists plt");
    EXPECT_EQ(Open("gone.gpx"), GpsBabelHost::Refused);
    EXPECT_EQ(Merge("walk.gpx"), GpsBabelHost::Refused); // no open document to merge into
    EXPECT_EQ(Save("gone.kml"), GpsBabelHost::Refused);
    EXPECT_EQ(Open("walk.plt"), GpsBabelHost::Refused);
    EXPECT_EQ(Save("walk.kml"), GpsBabelHost::Refused);
    EXPECT_EQ(Open("work"), GpsBabelHost::Refused); // a folder is no file

    EXPECT_EQ(Open("walk.gpx"), 0);
    EXPECT_EQ(Merge("walk.plt"), GpsBabelHost::Refused);
    EXPECT_EQ(Save("walk.plt"), GpsBabelHost::Refused); // no format writes plt
    EXPECT_EQ(Save("walk.html"), 0);                    // writes waypoints only: fine
    EXPECT_EQ(Save("missing/walk.kml"), GpsBabelHost::Refused);
    EXPECT_EQ(Names(), (Strings{"walk.gpx", "walk.html", "walk.plt", "work"}));
}

TEST_F(GpsBabelHostTest, NeverWritesOverAnInput) {
    WriteTextFile(Path("walk.gpx"), testing::SampleGpx);
    WriteTextFile(Path("walk.kml"), testing::SampleKml);
    fs::create_symlink(Path("walk.kml"), Path("link.kml"));
    EXPECT_EQ(Open("walk.gpx"), 0);
    EXPECT_EQ(Merge("walk.kml"), 0);
    EXPECT_EQ(Save("walk.gpx"), GpsBabelHost::Refused);
    EXPECT_EQ(Save("link.kml"), GpsBabelHost::Refused);
    EXPECT_EQ(ReadTextFile(Path("walk.gpx")), testing::SampleGpx);
    EXPECT_EQ(ReadTextFile(Path("walk.kml")), testing::SampleKml);
}

TEST_F(GpsBabelHostTest, HostFormatsFileAddsAndOverridesFormats) {
    // No engine format lists the type "way": only the user's line makes it readable.
    WriteTextFile(Path("walk.way"), testing::SampleGpx);
    WriteTextFile(Path("walk.gpx"), testing::SampleGpx);
    EXPECT_EQ(Open("walk.way"), GpsBabelHost::Refused);
    EXPECT_EQ(m_reason, "no gpsbabel format reads .way files");

    WriteTextFile(Path("work/hostformats.ini"), "[FORMATS]\r\n"
                                                "way=gpx\r\n"
                                                "kml=gpx,gpxver=1.1\r\n");
    m_host.reset();
    EXPECT_EQ(Convert("walk.way", "walk.kml"), 0);
    const std::string written = ReadTextFile(Path("walk.kml"));
    EXPECT_TRUE(Contains(written, "<gpx version=\"1.1\"")) << written;
    EXPECT_TRUE(Contains(written, "<name>Greenwich</name>"));
}

TEST_F(GpsBabelHostTest, EveryKindReachesAFormatOfOneKindPerFileAndComesBack) {
    // A shapefile holds points or lines: waypoints keep the target's name, the track and the
    // route go to files named by kind, each with the companion files the format writes.
    WriteTextFile(Path("walk.gpx"), testing::SampleGpx);
    EXPECT_EQ(Convert("walk.gpx", "walk.shp"), 0) << m_reason;
    const Strings names = Names();
    for (const char* name : {"walk.shp", "walk.dbf", "walk-tracks.shp", "walk-tracks.shx",
                             "walk-routes.shp", "walk-routes.dbf"}) {
        EXPECT_TRUE(std::ranges::find(names, name) != names.end()) << name;
    }
    EXPECT_TRUE(std::ranges::none_of(
        names, [](const std::string& name) { return name.starts_with(".tolk-"); }));

    EXPECT_EQ(Convert("walk.shp", "back.gpx"), 0) << m_reason;
    EXPECT_TRUE(Contains(ReadTextFile(Path("back.gpx")), "<wpt lat=\"51.477928"))
        << ReadTextFile(Path("back.gpx"));
    EXPECT_EQ(Convert("walk-tracks.shp", "back-tracks.gpx"), 0) << m_reason;
    EXPECT_TRUE(Contains(ReadTextFile(Path("back-tracks.gpx")), "lat=\"46.949000000\""));
    EXPECT_EQ(Convert("walk-routes.shp", "back-routes.gpx"), 0) << m_reason;
    EXPECT_TRUE(Contains(ReadTextFile(Path("back-routes.gpx")), "lat=\"47.100000000\""));
}

TEST_F(GpsBabelHostTest, TheReadmesSamplesConvert) {
    const std::string samples = std::string(TOLK_SOURCE_DIR) + "/data/samples/";
    const auto save = [&](const std::string& target) {
        return Call(&HostLink::SaveFileAs, Path(target));
    };
    EXPECT_EQ(Call(&HostLink::OpenFile, samples + "lake.gpx"), 0);
    EXPECT_EQ(save("lake.kml"), 0);
    Close();
    EXPECT_EQ(Call(&HostLink::OpenFile, samples + "summit.kml"), 0);
    EXPECT_EQ(save("summit.gpx"), 0);
    Close();
    EXPECT_EQ(Call(&HostLink::OpenFile, samples + "walk.gpx"), 0);
    EXPECT_EQ(Call(&HostLink::MergeFile, samples + "walk.csv"), 0);
    EXPECT_EQ(Grid("Swiss Grid"), 0);
    EXPECT_EQ(save("walk.txt"), 0);
    const std::string text = ReadTextFile(Path("walk.txt"));
    EXPECT_TRUE(text.starts_with("Grid\tSwiss grid\r\n")) << text;
    EXPECT_TRUE(Contains(text, "Waypoint\tLookout\t"));
    EXPECT_TRUE(Contains(text, "Track\tOld town walk\t"));
}

} // namespace
} // namespace tolk
