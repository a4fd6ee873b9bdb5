#include "TextFiles.h"
#include "host/engine/EngineCounts.h"
#include "host/formats/LeadingShape.h"
#include "host/formats/RecordShape.h"
#include "host/formats/WaypointNames.h"
#include "host/reading/PositionCheck.h"

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

struct ShapeCase {
    std::string bytes;
    RecordKind kind;
    std::string signature;
    std::int64_t records;
};

TEST(RecordShape, RecordsAreToldByTheirShapeWhateverTheLineEnds) {
    const std::string fix = "$GPGGA,101010.00,4724.1230,N,00830.4560,E,1,08,0.9,400.0,M,48.0,M,,";
    const std::string rmc = "$GNRMC,101010.00,A,4724.1230,N,00830.4560,E,0.0,0.0,010120,,,A*6C";
    const std::string view = "$GPGSV,1,1,01,01,40,083,46";
    const std::string noFix = "$GPRMC,101011.00,V,4724.1240,N,00830.4570,E,0.0,0.0,010120,,,N";
    const std::string maker = "$PABCTRK,4724.000,N,00830.600,E,00400,M,100000.00,A,,010524*7F";
    const std::string flight = "B1010104724123N00830456EA0040000400";
    const std::vector<ShapeCase> cases{
        // One fix told by two talkers counts once; sentences of no position do not count.
        {fix + "\r" + rmc + "\r" + view + "\r" + fix + "\r", RecordKind::Nmea, "nmea", 2},
        {fix + "\r\n" + view + "\r\n", RecordKind::Nmea, "nmea", 1},
        // Sentences that say they hold no fix are not counted.
        {fix + "\n" + noFix + "\n" + noFix + "\n", RecordKind::Nmea, "nmea", 1},
        {std::string("\x01\xfe\x00", 3) + fix + "\nnoise\n" + fix + "\n", RecordKind::Nmea, "nmea",
         2},
        {maker + "\n" + maker + "\n", RecordKind::Sentences, "$PABC", 2},
        {"AXXXABC\r\nHFDTE010120\r\n" + flight + "\r\n" + flight + "\r\n", RecordKind::Igc, "igc",
         2},
        {"No,Latitude,Longitude\n1,47.1,8.2\n2,47.2,8.3\n", RecordKind::HeadedCsv, "headed-csv", 2},
        {"47.1,8.2,Mill\n47.2,8.3,Barn\n", RecordKind::None, "", 2},
        {"Name Lat Lon\nP1 47.1 8.2\n", RecordKind::None, "", 1},
        {"<?xml version=\"1.0\"?>\n<gpx>\n", RecordKind::None, "", 2},
    };
    for (const ShapeCase& test : cases) {
        SCOPED_TRACE(test.bytes);
        const RecordShape shape = ShapeOf(test.bytes);
        EXPECT_EQ(shape.kind, test.kind);
        EXPECT_EQ(shape.signature, test.signature);
        EXPECT_EQ(PositionRecords(test.bytes, test.kind).records, test.records);
    }
    EXPECT_TRUE(ShapeOf("lat;lon;name\n47.1;8.2;A\n").positionsNamed);
    EXPECT_FALSE(ShapeOf("id,count,value\n1,5,7\n").positionsNamed);
    EXPECT_TRUE(ShapeOf("47.1,8.2,Mill\n").text);
    EXPECT_FALSE(ShapeOf("<?xml version=\"1.0\"?>\n<gpx>\n").text);
    EXPECT_FALSE(ShapeOf(std::string(40, '\0')).text);
    const PositionRecordCount placed = PositionRecords(fix + "\n", RecordKind::Nmea);
    EXPECT_TRUE(placed.placed);
    EXPECT_NEAR(placed.minLat, 47.40205, 1e-6);
    EXPECT_NEAR(placed.maxLon, 8.5076, 1e-6);
}

TEST(PositionCheck, AReadCountsInProportionToItsFilesRecordsAndWhereTheyLie) {
    const auto points = [](int count, double lat, double lon) {
        std::string points;
        for (int point = 0; point < count; ++point) {
            points += "<trkpt lat=\"" + std::to_string(lat + point * 0.001) + "\" lon=\"" +
                      std::to_string(lon) + "\"/>";
        }
        return Gpx(points);
    };
    const PositionRecordCount eight{8, true, 47.40, 47.41, 8.50, 8.51};
    // One point of a file of eight fixes: the file taken for one record.
    EXPECT_FALSE(WeighRead(points(1, 47.4, 8.505), eight).plausible);
    EXPECT_TRUE(WeighRead(points(4, 47.4, 8.505), eight).plausible);
    EXPECT_FALSE(WeighRead(points(3, 47.4, 8.505), eight).plausible);
    EXPECT_TRUE(ReadsWholly(WeighRead(points(8, 47.4, 8.505), eight)));
    EXPECT_FALSE(ReadsWholly(WeighRead(points(7, 47.4, 8.505), eight)));
    // Points far from where the records place them: fields taken for others.
    EXPECT_FALSE(WeighRead(points(8, 0.1, 0.008), eight).plausible);
    // One point is plausible where the file has no more than three records.
    EXPECT_TRUE(WeighRead(points(1, 47.4, 8.505), PositionRecordCount{3}).plausible);
    EXPECT_TRUE(WeighRead(points(1, 47.4, 8.505), std::nullopt).plausible);
    EXPECT_EQ(WeighRead(points(2, 47.4, 8.5), PositionRecordCount{8}).share, 0.25);
    // Whole degrees only from more than three points.
    EXPECT_TRUE(WeighRead(Gpx("<wpt lat=\"-88\" lon=\"5\"/><wpt lat=\"-79\" lon=\"6\"/>"
                              "<wpt lat=\"-70\" lon=\"7\"/><wpt lat=\"-61\" lon=\"8\"/>"),
                          std::nullopt)
                    .wholeDegrees);
    EXPECT_FALSE(WeighRead(points(4, 47.4, 8.0), std::nullopt).wholeDegrees);
    EXPECT_FALSE(WeighRead(Gpx("<wpt lat=\"47\" lon=\"8\"/>"), std::nullopt).wholeDegrees);
}

} // namespace
} // namespace tolk
