#include "ConvertAllNow.h"
#include "GpsSamples.h"
#include "MessageRecorder.h"
#include "TempHome.h"
#include "TextFiles.h"
#include "convert/SourceFileList.h"
#include "host/gpsbabel/GpsBabelHost.h"

#include <climits>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace tolk {
namespace {

namespace fs = std::filesystem;
using testing::ReadTextFile;
using testing::WriteTextFile;
using Lines = std::vector<std::string>;

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// Odd folders, names and contents, listed and converted by the installed engine.
class OddInputTest : public ::testing::Test {
protected:
    OddInputTest() {
        m_settings.SourceFldr = m_home / "src";
        m_settings.TargetFldr = m_home / "out";
        m_settings.SourceExt = "gpx";
        m_settings.TargetExt = "kml";
        fs::create_directories(m_settings.TargetFldr);
    }
    /// Lists the source folder and converts every listed file; returns the status texts.
    Lines ListAndConvertAll() {
        SourceFileList files;
        files.RefreshFileList(m_settings.SourceFldr, m_settings.SourceExt);
        HostConnection host(CreateGpsBabelHost(GpsBabelConfig()));
        testing::RecordingSink sink(m_messages);
        testing::ConvertAllNow(m_settings, files.Names(), {&host}, sink, m_messages);
        return sink.statuses;
    }
    bool HoldsTheSample(const std::string& kml) const {
        return ReadTextFile(kml).find("<name>Greenwich</name>") != std::string::npos;
    }

    testing::TempHome m_home;
    ConversionSettings m_settings;
    testing::MessageRecorder m_messages;
};

TEST_F(OddInputTest, NamesThatLookLikeOptionsOrHoldOddCharactersConvert) {
    const Lines baseNames{"with space", "it's \"quoted\"", "-o kml", "--help",     "a,b",
                          "new\nline",  "Zürich Süd",      "日本",   "semi;colon", "$HOME"};
    for (const std::string& base : baseNames) {
        WriteTextFile(m_settings.SourceFldr + "/" + base + ".gpx", testing::SampleGpx);
    }
    const Lines statuses = ListAndConvertAll();
    EXPECT_EQ(statuses.back(), "Converted 10 files.");
    EXPECT_TRUE(m_messages.shown.empty());
    for (const std::string& base : baseNames) {
        EXPECT_TRUE(HoldsTheSample(m_settings.TargetFldr + "/" + base + ".kml")) << base;
    }
    EXPECT_EQ(
        std::distance(fs::directory_iterator(m_settings.TargetFldr), fs::directory_iterator()), 10);
}

TEST_F(OddInputTest, UpperCaseExtensionsAreListedAndConverted) {
    WriteTextFile(m_settings.SourceFldr + "/LOUD.GPX", testing::SampleGpx);
    WriteTextFile(m_settings.SourceFldr + "/Mixed.Gpx", testing::SampleGpx);
    WriteTextFile(m_settings.SourceFldr + "/Mixed.Csv", testing::SampleCsv);
    m_settings.MergeExt = "csv";
    EXPECT_EQ(ListAndConvertAll(),
              (Lines{"Converting: LOUD", "Converted: LOUD", "Converting: Mixed", "Converted: Mixed",
                     "Converted 2 files."}));
    EXPECT_EQ(m_messages.shown, (Lines{"message: Unable to find files to merge:\r\nLOUD.csv"}));
    EXPECT_TRUE(HoldsTheSample(m_settings.TargetFldr + "/LOUD.kml"));
    EXPECT_NE(ReadTextFile(m_settings.TargetFldr + "/Mixed.kml").find("<name>Mill</name>"),
              std::string::npos)
        << "the merge file was found too";
}

TEST_F(OddInputTest, EmptyAndBinaryFilesOfTheTypeFailAndTheRunGoesOn) {
    WriteTextFile(m_settings.SourceFldr + "/a.gpx", testing::SampleGpx);
    WriteTextFile(m_settings.SourceFldr + "/b empty.gpx", "");
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary.push_back(static_cast<char>(i * 7919 % 256));
    }
    WriteTextFile(m_settings.SourceFldr + "/c binary.gpx", binary);
    WriteTextFile(m_settings.SourceFldr + "/d.gpx", testing::SampleGpx);
    WriteTextFile(m_settings.TargetFldr + "/b empty.kml", "the old b");
    EXPECT_EQ(ListAndConvertAll(), (Lines{"Converting: a", "Converted: a", "Converting: b empty",
                                          "Could NOT convert: b empty", "Converting: c binary",
                                          "Could NOT convert: c binary", "Converting: d",
                                          "Converted: d", "Converted 2 files. NOT CONVERTED = 2"}));
    EXPECT_EQ(ReadTextFile(m_settings.TargetFldr + "/b empty.kml"), "the old b");
    EXPECT_FALSE(fs::exists(m_settings.TargetFldr + "/c binary.kml"));
}

// Folders nested until the target's temporary name comes within a few characters of the
// system's path limit.
TEST_F(OddInputTest, PathsNearTheSystemsLengthLimitConvert) {
    std::string folder = m_home.Path();
    const std::size_t room =
        PATH_MAX - std::string("/.tolk-12345678-4194304-XXXXXX/out.kml").size() - 8;
    while (folder.size() + 201 < room) {
        folder += "/" + std::string(200, 'd');
    }
    folder += "/" + std::string(room - folder.size() - 1, 'e');
    WriteTextFile(folder + "/t.gpx", testing::SampleGpx);
    m_settings.SourceFldr = folder;
    m_settings.TargetFldr = folder;
    EXPECT_EQ(ListAndConvertAll(), (Lines{"Converting: t", "Converted: t", "Converted 1 files."}));
    EXPECT_TRUE(HoldsTheSample(folder + "/t.kml"));
}

// About 50 MB of track points: converted whole, well within the engine's time limit.
TEST_F(OddInputTest, AFiftyMegabyteTrackConvertsWhole) {
    constexpr int Points = 800000;
    {
        fs::create_directories(m_settings.SourceFldr);
        std::ofstream gpx(m_settings.SourceFldr + "/long.gpx", std::ios::binary);
        gpx << "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"tolk tests\" "
               "xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><name>Long</name><trkseg>\n";
        for (int i = 0; i < Points; ++i) {
            gpx << "<trkpt lat=\"" << 46 + (i % 100000) * 1e-5 << "\" lon=\"" << 7 + i * 1e-6
                << "\"><ele>" << 500 + i % 300 << "</ele></trkpt>\n";
        }
        gpx << "</trkseg></trk></gpx>\n";
    }
    ASSERT_GT(fs::file_size(m_settings.SourceFldr + "/long.gpx"), 40'000'000u);
    m_settings.TargetExt = "txt";
    EXPECT_EQ(ListAndConvertAll(),
              (Lines{"Converting: long", "Converted: long", "Converted 1 files."}));
    EXPECT_EQ(Count(ReadTextFile(m_settings.TargetFldr + "/long.txt"), "\nTrackpoint\t"),
              std::size_t{Points});
}

} // namespace
} // namespace tolk
