#include "settings/SettingsFile.h"

#include "ErrorOf.h"
#include "MessageRecorder.h"
#include "TempHome.h"
#include "TextFiles.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tolk {
namespace {

using testing::ReadTextFile;
using testing::WriteTextFile;

class SettingsFileTest : public ::testing::Test {
protected:
    SettingsFileTest() { std::filesystem::create_directories(m_home / "work"); }

    ConversionSettings LoadFrom(const std::string& content) {
        WriteTextFile(m_file, content);
        ConversionSettings settings;
        LoadSettings(m_file, "/home/u/My TOLK", settings);
        return settings;
    }
    WindowBounds BoundsFrom(const std::string& value) {
        return LoadFrom("[GENERAL]\nWBounds=" + value + "\n").WBounds;
    }
    bool FollowFlagFrom(const std::string& value) {
        return LoadFrom("[GENERAL]\nTargAsSrc=" + value + "\n").TargAsSrc;
    }
    std::string ErrorLoading(const std::string& content, ConversionSettings& settings) {
        WriteTextFile(m_file, content);
        return testing::ErrorOf([&] { LoadSettings(m_file, "/u", settings); });
    }

    testing::TempHome m_home;
    std::string m_file = m_home / "work/tolkconv.ini";
    testing::MessageRecorder m_messages;
};

TEST_F(SettingsFileTest, WithoutAFileEveryFieldTakesItsDefault) {
    ConversionSettings settings;
    settings.TargAsSrc = true;
    LoadSettings(m_home / "none/tolkconv.ini", "/home/u/My TOLK", settings);
    EXPECT_EQ(settings.SourceFldr, "/home/u/My TOLK");
    EXPECT_EQ(settings.TargetFldr, "/home/u/My TOLK");
    EXPECT_EQ(settings.SourceExt, "txt");
    EXPECT_EQ(settings.TargetExt, "kml");
    EXPECT_EQ(settings.MergeExt, "");
    EXPECT_FALSE(settings.TargAsSrc);
    EXPECT_EQ(settings.Datum, "WGS 84");
    EXPECT_EQ(settings.Grid, "LAT LON DM");
    EXPECT_EQ(settings.WBounds, (WindowBounds{0, 0, 478, 400}));
    EXPECT_FALSE(std::filesystem::exists(m_home / "none")) << "loading creates nothing";
}

TEST_F(SettingsFileTest, BoundsLoadAsWrittenAndAtLeast400High) {
    EXPECT_EQ(BoundsFrom("10 20 500 300"), (WindowBounds{10, 20, 500, 420}));
    EXPECT_EQ(BoundsFrom("  10   20  500  700"), (WindowBounds{10, 20, 500, 700}));
    EXPECT_EQ(BoundsFrom("-8 -8 1288 1008"), (WindowBounds{-8, -8, 1288, 1008}));
    EXPECT_EQ(BoundsFrom("$A 20 500 700 junk after"), (WindowBounds{10, 20, 500, 700}));
    // Near the ends of the range the window keeps its 400: a top with no room below it for
    // that is moved up.
    EXPECT_EQ(BoundsFrom("0 -2147483648 0 2147483647"),
              (WindowBounds{0, -2147483648, 0, 2147483647}));
    EXPECT_EQ(BoundsFrom("0 2147483600 0 0"), (WindowBounds{0, 2147483247, 0, 2147483647}));
    EXPECT_EQ(BoundsFrom("0 2147483247 0 0"), (WindowBounds{0, 2147483247, 0, 2147483647}));
}

TEST_F(SettingsFileTest, TheFollowFlagIsAnyNonzeroInteger) {
    for (const char* yes : {"1", "-1", "0x1", "0X1f", "$10", " 7"}) {
        EXPECT_TRUE(FollowFlagFrom(yes)) << yes;
    }
    for (const char* no : {"0", "0x", "", "yes", "true", "0x0", "1.0"}) {
        EXPECT_FALSE(FollowFlagFrom(no)) << no;
    }
}

TEST_F(SettingsFileTest, ABadBoundsTokenStopsLoadingButKeepsWhatCameBefore) {
    ConversionSettings settings;
    settings.WBounds = {1, 2, 3, 4};
    EXPECT_EQ(ErrorLoading("[GENERAL]\nDatum=NAD27\nWBounds=10,20,500,700\n", settings),
              "'10,20,500,700' is not a valid integer value");
    EXPECT_EQ(settings.Datum, "NAD27");
    EXPECT_EQ(settings.SourceFldr, "/u");
    EXPECT_EQ(settings.WBounds, (WindowBounds{1, 2, 3, 4}));

    EXPECT_EQ(ErrorLoading("[GENERAL]\nWBounds=10 20 300\n", settings),
              "'' is not a valid integer value");
    EXPECT_EQ(settings.WBounds, (WindowBounds{10, 20, 300, 4})) << "no 400 rule either";

    // Hundreds of blanks after a separator push the last number past the cut.
    EXPECT_EQ(ErrorLoading("[GENERAL]\nWBounds=1 " + std::string(996, ' ') + "2 3 4\n", settings),
              "'' is not a valid integer value");
    EXPECT_EQ(settings.WBounds, (WindowBounds{1, 2, 3, 4}));
}

TEST_F(SettingsFileTest, SavingWritesTheNineKeysInOrderAndKeepsOtherLines) {
    ConversionSettings settings{"/src dir",         "/tgt", "plt", "gpx", "", true, "", "UTM",
                                {-8, -8, 1288, 300}};
    WriteTextFile(m_file, "; hand made\n[GENERAL]\nGrid=old\nOwnKey=1\n");
    SaveSettings(m_file, settings, m_messages);
    EXPECT_EQ(ReadTextFile(m_file), "; hand made\n[GENERAL]\nGrid=UTM\nOwnKey=1\n"
                                    "SourceFldr=/src dir\nTargetFldr=/tgt\nSourceExt=plt\n"
                                    "TargetExt=gpx\nMergeExt=\nTargAsSrc=1\nDatum=\n"
                                    "WBounds=-8 -8 1288 300\n");

    std::filesystem::remove(m_file);
    SaveSettings(m_file, settings, m_messages);
    EXPECT_EQ(ReadTextFile(m_file),
              "[GENERAL]\nSourceFldr=/src dir\nTargetFldr=/tgt\nSourceExt=plt\nTargetExt=gpx\n"
              "MergeExt=\nTargAsSrc=1\nDatum=\nGrid=UTM\nWBounds=-8 -8 1288 300\n");

    ConversionSettings loaded;
    LoadSettings(m_file, "/u", loaded);
    settings.WBounds.Bottom = 392;
    EXPECT_EQ(loaded.SourceFldr, settings.SourceFldr);
    EXPECT_EQ(loaded.MergeExt, "");
    EXPECT_EQ(loaded.Datum, "") << "an empty value is not the default";
    EXPECT_EQ(loaded.WBounds, settings.WBounds);
}

TEST_F(SettingsFileTest, AFolderOfMoreThan1023CharactersReadsBackCut) {
    ConversionSettings settings;
    settings.SourceFldr = "/" + std::string(1100, 'f');
    SaveSettings(m_file, settings, m_messages);
    LoadSettings(m_file, "/u", settings);
    EXPECT_EQ(settings.SourceFldr, "/" + std::string(1022, 'f'));
}

// A folder named with a line break cannot be held by the file: that key is left out and said,
// every other key is saved; a file that cannot be written stops at the first key.
TEST_F(SettingsFileTest, AValueWithALineBreakIsLeftOutAndSaidTheOthersAreSaved) {
    const std::string missing = m_home / "missing/tolkconv.ini";
    EXPECT_EQ(testing::ErrorOf([&] { SaveSettings(missing, ConversionSettings{}, m_messages); }),
              "Unable to write to " + missing);

    ConversionSettings settings{"/a\nb", "/b", "gpx", "kml", "", false, "", "", {1, 2, 3, 404}};
    SaveSettings(m_file, settings, m_messages);
    EXPECT_EQ(ReadTextFile(m_file), "[GENERAL]\nTargetFldr=/b\nSourceExt=gpx\nTargetExt=kml\n"
                                    "MergeExt=\nTargAsSrc=0\nDatum=\nGrid=\nWBounds=1 2 3 404\n");
    EXPECT_EQ(m_messages.shown,
              (std::vector<std::string>{"message: The settings file " + m_file +
                                        " cannot hold a line break; not saved: SourceFldr"}));
}

} // namespace
} // namespace tolk
