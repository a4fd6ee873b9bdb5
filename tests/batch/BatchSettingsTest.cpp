#include "batch/BatchSettings.h"

#include "MessageRecorder.h"
#include "TempHome.h"
#include "TextFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace tolk {
namespace {

ConversionSettings Loaded() {
    ConversionSettings settings;
    settings.SourceFldr = "/data/in";
    settings.TargetFldr = "/data/out";
    settings.SourceExt = "gpx";
    settings.TargetExt = "kml";
    settings.MergeExt = "csv";
    settings.Datum = "WGS 84";
    settings.Grid = "LAT LON DM";
    return settings;
}

TEST(BatchSettingsTest, GivenValuesReplaceLoadedOnesAndEmptyOnesClear) {
    ConversionSettings settings = Loaded();
    BatchOptions options;
    options.sourceType = "plt";
    options.mergeType = "";
    options.grid = "";
    ApplyOptions(options, settings);
    EXPECT_EQ(settings.SourceExt, "plt");
    EXPECT_EQ(settings.MergeExt, "");
    EXPECT_EQ(settings.Grid, "");
    EXPECT_EQ(settings.TargetExt, "kml");
    EXPECT_EQ(settings.Datum, "WGS 84");
    EXPECT_EQ(settings.SourceFldr, "/data/in");
    EXPECT_EQ(settings.TargetFldr, "/data/out");
}

TEST(BatchSettingsTest, FoldersBecomeFullPathsWithoutTrailingSlash) {
    ConversionSettings settings = Loaded();
    BatchOptions options;
    options.sourceFolder = "rel/in/";
    options.targetFolder = "/data//out/./x/";
    ApplyOptions(options, settings);
    EXPECT_EQ(settings.SourceFldr, QDir::currentPath().toStdString() + "/rel/in");
    EXPECT_EQ(settings.TargetFldr, "/data/out/x");
}

TEST(BatchSettingsTest, TargetFollowsSourceUnlessATargetIsGiven) {
    ConversionSettings settings = Loaded();
    settings.TargAsSrc = true;
    BatchOptions options;
    options.sourceFolder = "/elsewhere";
    ApplyOptions(options, settings);
    EXPECT_EQ(settings.TargetFldr, "/elsewhere");
    EXPECT_TRUE(settings.TargAsSrc);

    options.targetFolder = "/out";
    ApplyOptions(options, settings);
    EXPECT_EQ(settings.TargetFldr, "/out");
    EXPECT_FALSE(settings.TargAsSrc);
}

TEST(BatchSettingsTest, TypesOutsideTheTablesAreNamed) {
    ConversionSettings settings = Loaded();
    EXPECT_EQ(UnknownTypeMessage(settings), "");
    settings.MergeExt = "";
    EXPECT_EQ(UnknownTypeMessage(settings), "");

    settings.SourceExt = "GPX"; // a type in capitals, as a hand-edited settings file gives it
    EXPECT_EQ(UnknownTypeMessage(settings), "");
    settings.SourceExt = "gpz";
    EXPECT_EQ(UnknownTypeMessage(settings).substr(0, 52),
              "Unknown source type 'gpz'. The source types are: txt");
    settings.SourceExt = "gpx";
    settings.MergeExt = "bln"; // a target type only
    EXPECT_EQ(UnknownTypeMessage(settings).substr(0, 26), "Unknown merge type 'bln'. ");
    settings.MergeExt = "";
    settings.TargetExt = "html"; // a source type only
    EXPECT_EQ(UnknownTypeMessage(settings).substr(0, 53),
              "Unknown target type 'html'. The target types are: txt");
}

TEST(BatchSettingsTest, DatumAndGridMustBeOfferedByTheListsInAnyCase) {
    const ReferenceData offered({"WGS 84", "NAD27"}, {"Swiss Grid"});
    ConversionSettings settings;
    for (const auto& [datum, grid] :
         {std::pair{"", ""}, {"wgs 84", "swiss GRID"}, {"NAD27", "lat lon dms"}}) {
        settings.Datum = datum;
        settings.Grid = grid;
        EXPECT_EQ(UnknownReferenceMessage(settings, offered), "") << datum << grid;
    }
    settings.Datum = "WGS84";
    EXPECT_EQ(UnknownReferenceMessage(settings, offered).substr(0, 23), "Unknown datum 'WGS84'. ");
    settings.Datum = "";
    settings.Grid = "Swiss";
    EXPECT_EQ(UnknownReferenceMessage(settings, offered),
              "Unknown grid 'Swiss'. The grids are: 'LAT LON D' 'LAT LON DM' 'LAT LON DMS' "
              "'UTM/UPS' 'Maidenhead' 'Swiss Grid' (an empty value means no change).");
}

TEST(BatchSettingsTest, MalformedWindowBoundsAreSaidAndReplacedByTheDefault) {
    const testing::TempHome home;
    const std::string file = home / ".local/share/Orvane/TOLK/tolkconv.ini";
    testing::WriteTextFile(file, "[GENERAL]\nSourceExt=gpx\nWBounds=10,20,500,700\n");
    testing::MessageRecorder messages;
    ProgramFolders folders;
    ConversionSettings settings;
    LoadBatchSettings(home / "bin/tolkconv-batch", messages, folders, settings);
    EXPECT_EQ(settings.SourceExt, "gpx");
    EXPECT_EQ(settings.WBounds, (WindowBounds{0, 0, 478, 400}));
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{"message: Ignored the window bounds (WBounds) in " + file +
                                       ": '10,20,500,700' is not a valid integer value."});
}

} // namespace
} // namespace tolk
