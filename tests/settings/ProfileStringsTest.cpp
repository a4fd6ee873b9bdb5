#include "settings/ProfileStrings.h"

#include "TempHome.h"
#include "TextFiles.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tolk {
namespace {

using testing::ReadTextFile;
using testing::WriteTextFile;

class ProfileStringsTest : public ::testing::Test {
protected:
    std::string Read(const std::string& key, const std::string& defaultValue = "default") {
        return ReadProfileString("GENERAL", key, defaultValue, m_file);
    }
    bool Write(const std::string& key, const std::string& value) {
        return WriteProfileString("GENERAL", key, value, m_file);
    }

    testing::TempHome m_home;
    std::string m_file = m_home / "work/tolkconv.ini";
};

TEST_F(ProfileStringsTest, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(Read("Datum"), "default");
    WriteTextFile(m_file, "[OTHER]\nDatum=x\n");
    EXPECT_EQ(Read("Datum"), "default");
    WriteTextFile(m_file, "[GENERAL]\nGrid=x\n");
    EXPECT_EQ(Read("Datum"), "default");
    EXPECT_EQ(Read("Datum", std::string(1500, 'd')), std::string(1023, 'd'));
}

TEST_F(ProfileStringsTest, ReadsNamesWithoutRegardToCaseAndTrimsBlanksAndOneQuotePair) {
    WriteTextFile(m_file, "; comment\r\n"
                          "[Other]\r\nDatum=wrong\r\n"
                          "  [general] \r\n"
                          "  datum =  WGS 84  \r\n"
                          "Grid=\"LAT LON\"\r\n"
                          "SourceExt='plt\"\r\n"
                          "MergeExt=\r\n"
                          "Datum=second\r\n");
    EXPECT_EQ(Read("DATUM"), "WGS 84");
    EXPECT_EQ(Read("grid"), "LAT LON");
    EXPECT_EQ(Read("SourceExt"), "'plt\"");
    EXPECT_EQ(Read("MergeExt"), "");
}

TEST_F(ProfileStringsTest, ReadsAtMost1023Characters) {
    WriteTextFile(m_file, "[GENERAL]\nSourceFldr=/" + std::string(1200, 'a') + "\n");
    EXPECT_EQ(Read("SourceFldr"), "/" + std::string(1022, 'a'));
}

TEST_F(ProfileStringsTest, CreatesFileSectionAndKeyWhenMissing) {
    ASSERT_TRUE(WriteProfileString("GENERAL", "SourceFldr", "/data", m_home / "new.ini"));
    EXPECT_EQ(ReadTextFile(m_home / "new.ini"), "[GENERAL]\nSourceFldr=/data\n");

    WriteTextFile(m_file, "[OTHER]\nx=1");
    ASSERT_TRUE(Write("SourceFldr", "/data"));
    ASSERT_TRUE(Write("MergeExt", ""));
    EXPECT_EQ(ReadTextFile(m_file), "[OTHER]\nx=1\n[GENERAL]\nSourceFldr=/data\nMergeExt=\n");
    EXPECT_EQ(Read("MergeExt"), "");
}

TEST_F(ProfileStringsTest, WritingKeepsEveryOtherLineAndTheFilesLineEnds) {
    WriteTextFile(m_file, "; my settings\r\n"
                          "[general]\r\n"
                          "Unknown = keep me\r\n"
                          "sourcefldr=/old\r\n"
                          "Grid=UTM\r\n"
                          "\r\n"
                          "[Other]\r\n"
                          "SourceFldr=/not this one\r\n");
    ASSERT_TRUE(Write("SourceFldr", "/new"));
    ASSERT_TRUE(Write("Datum", "WGS 84"));
    EXPECT_EQ(ReadTextFile(m_file), "; my settings\r\n"
                                    "[general]\r\n"
                                    "Unknown = keep me\r\n"
                                    "SourceFldr=/new\r\n"
                                    "Grid=UTM\r\n"
                                    "Datum=WGS 84\r\n"
                                    "\r\n"
                                    "[Other]\r\n"
                                    "SourceFldr=/not this one\r\n");
}

TEST_F(ProfileStringsTest, AByteOrderMarkHidesNoSectionAndStaysInFront) {
    WriteTextFile(m_file, "\xEF\xBB\xBF[GENERAL]\r\nGrid=UTM\r\n");
    EXPECT_EQ(Read("Grid"), "UTM");
    ASSERT_TRUE(Write("Datum", "WGS 84"));
    EXPECT_EQ(ReadTextFile(m_file), "\xEF\xBB\xBF[GENERAL]\r\nGrid=UTM\r\nDatum=WGS 84\r\n");
}

TEST_F(ProfileStringsTest, RefusedWritesLeaveEverythingAsItWas) {
    EXPECT_FALSE(WriteProfileString("GENERAL", "Grid", "UTM", m_home / "missing/tolkconv.ini"));
    EXPECT_FALSE(std::filesystem::exists(m_home / "missing"));

    // A regular file where the folder should be.
    WriteTextFile(m_home / "blocker", "x");
    EXPECT_FALSE(WriteProfileString("GENERAL", "Grid", "UTM", m_home / "blocker/tolkconv.ini"));

    // A folder where the file should be.
    std::filesystem::create_directories(m_home / "folder.ini");
    EXPECT_FALSE(WriteProfileString("GENERAL", "Grid", "UTM", m_home / "folder.ini"));

    // A line break would add lines of its own to the file.
    WriteTextFile(m_file, "[GENERAL]\nGrid=UTM\n");
    EXPECT_FALSE(Write("SourceFldr", "/a\n[GENERAL]\nGrid=x"));
    EXPECT_FALSE(Write("SourceFldr", "/a\rb"));
    EXPECT_EQ(ReadTextFile(m_file), "[GENERAL]\nGrid=UTM\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_home / "work"),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left beside the settings file";
}

} // namespace
} // namespace tolk
