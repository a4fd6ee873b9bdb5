#include "TextFiles.h"
#include "host/EngineCounts.h"
#include "host/LeadingShape.h"
#include "host/PositionCheck.h"
#include "host/WaypointNames.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tolk {
namespace {

// The engine's validate filter report and a reader's complaint, as one run prints them.
const std::string Report = "sample.src: unexpected line\n"
                           "\n"
                           "Processing waypts\n"
                           "point ct: 3, waypt_count: 3\n"
                           "\n"
                           "Processing routes\n"
                           "route 0 ct: 2, waypt_count: 2\n"
                           "route head ct: 1, route_count: 1\n"
                           "total route point ct: 2, route_waypt_count: 2\n"
                           "\n"
                           "Processing tracks\n"
                           "track 0 ct: 40, waypt_count: 40\n"
                           "track head ct: 1, track_count: 1\n"
                           "total track point ct: 40, track_waypt_count: 40\n"
                           "validate:No input\n";

TEST(EngineCounts, ReadsTheValidateReportAndKeepsTheEnginesOwnWords) {
    const KindCounts counts = CountsRead(Report);
    EXPECT_EQ(counts.Of(DataKind::Waypoints), 3);
    EXPECT_EQ(counts.Of(DataKind::Routes), 2);
    EXPECT_EQ(counts.Of(DataKind::Tracks), 40);
    EXPECT_EQ(counts.Total(), 45);
    EXPECT_EQ(counts.Heads(DataKind::Routes), 1);
    EXPECT_EQ(counts.Heads(DataKind::Tracks), 1);
    EXPECT_EQ(CountsRead("gpx: missing section header\n").Total(), 0);
    EXPECT_EQ(EngineMessage(Report), "sample.src: unexpected line\nvalidate:No input");
    EXPECT_EQ(EngineMessage("a\r\nb\nc\nd\n"), "a\nb\nc");
}

std::string Gpx(const std::string& points) {
    return "<gpx><bounds minlat=\"0\" minlon=\"0\" maxlat=\"99\" maxlon=\"0\"/>" + points +
           "</gpx>";
}

TEST(PositionCheck, TellsARightReadFromAWrongOne) {
    EXPECT_EQ(
        CheckPositions(Gpx("<wpt lat=\"51.5\" lon=\"-0.1\"/><trkpt lat=\"-90\" lon=\"180\"/>")),
        Plausibility::Plausible);
    // A header line read as a point among several good ones.
    EXPECT_EQ(CheckPositions(Gpx("<wpt lat=\"0.000000000\" lon=\"0.000000000\"/>"
                                 "<wpt lat=\"47.1\" lon=\"8.2\"/><wpt lat=\"47.2\" lon=\"8.3\"/>")),
              Plausibility::SomeAtZero);
    EXPECT_EQ(CheckPositions(Gpx("<wpt lat=\"0\" lon=\"0\"/><wpt lat=\"1\" lon=\"51.4\"/>")),
              Plausibility::Implausible);
    EXPECT_EQ(CheckPositions(Gpx("<trkpt lat=\"-2147.8\" lon=\"3.0\"/>")),
              Plausibility::Implausible);
    EXPECT_EQ(CheckPositions(Gpx("<trkpt lat=\"12\" lon=\"181\"/>")), Plausibility::Implausible);
    EXPECT_EQ(CheckPositions(Gpx("<wpt lat=\"nan\" lon=\"1\"/>")), Plausibility::Implausible);
    EXPECT_EQ(CheckPositions(Gpx("")), Plausibility::Implausible);
    EXPECT_EQ(CheckPositions("<wpt lat=\"1"), Plausibility::Implausible);
    // Noise decoded as positions: few at 0,0, but most on the equator or the prime meridian.
    EXPECT_EQ(CheckPositions(Gpx("<wpt lat=\"0\" lon=\"0\"/><wpt lat=\"7\" lon=\"0\"/>"
                                 "<wpt lat=\"0\" lon=\"-8.1\"/><wpt lat=\"5.01\" lon=\"-1\"/>")),
              Plausibility::Implausible);
    EXPECT_EQ(PositionCount(Gpx("<wpt lat=\"1\" lon=\"2\"/><trkpt lat=\"3\" lon=\"4\"/>")), 2);
}

TEST(WaypointNames, RepeatOnlyWhenTwoWaypointsShareAName) {
    EXPECT_TRUE(WaypointNamesRepeat(Gpx("<wpt lat=\"1\" lon=\"2\"><ele>3</ele><name>A</name></wpt>"
                                        "<wpt lat=\"1\" lon=\"3\"><name>B</name></wpt>"
                                        "<wpt lat=\"1\" lon=\"4\"><name>A</name></wpt>")));
    // Route and track points, unnamed waypoints and other elements' names do not count.
    EXPECT_FALSE(WaypointNamesRepeat(Gpx("<wpt lat=\"1\" lon=\"2\"><name>A</name></wpt>"
                                         "<wpt lat=\"1\" lon=\"3\"/><wpt lat=\"1\" lon=\"4\"></wpt>"
                                         "<rte><name>A</name><rtept lat=\"1\" lon=\"5\">"
                                         "<name>A</name></rtept></rte>")));
}

TEST(LeadingShape, FilesOfOneLayoutShareItOthersDoNot) {
    const QTemporaryDir dir;
    const auto shape = [&](const std::string& name, const std::string& text) {
        const std::string path = dir.path().toStdString() + "/" + name;
        testing::WriteTextFile(path, text);
        return LeadingShape(LeadingBytes(path));
    };
    EXPECT_EQ(shape("a.csv", "No,Lat,Lon\n1,2,3\n"), "a,a,a");
    EXPECT_EQ(shape("b.csv", "No,Latitude,Longitude\n"), "a,a,a");
    EXPECT_EQ(shape("c.csv", "51.5, -0.1, Mill"), shape("d.csv", "7.25, -10.5, Barn\n"));
    EXPECT_NE(shape("e.csv", "time,lat,lon,hMSL\n"), "a,a,a");
    EXPECT_EQ(LeadingBytes(dir.path().toStdString() + "/missing.csv"), "");
}

} // namespace
} // namespace tolk
