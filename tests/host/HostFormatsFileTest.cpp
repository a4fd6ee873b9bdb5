#include "host/formats/HostFormatsFile.h"

#include "TextFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tolk {
namespace {

using testing::ReadTextFile;
using testing::WriteTextFile;

TEST(SaveHostFormat, ReplacesTheLineThatCountsOrAddsToTheFirstSectionKeepingTheRest) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("hostformats.ini").toStdString();
    WriteTextFile(path, "; my formats\n"
                        "[FORMATS]\n"
                        "abc=fmta\n"
                        "abc=fmtb\n"
                        "\n"
                        "[OTHER]\n"
                        "xyz=fmtc\n"
                        "[formats]\n"
                        "def=fmtd\n");
    ASSERT_TRUE(SaveHostFormat(path, "abc", "fmte,opt=1"));
    ASSERT_TRUE(SaveHostFormat(path, "xyz", "fmtf"));
    EXPECT_EQ(ReadTextFile(path), "; my formats\n"
                                  "[FORMATS]\n"
                                  "abc=fmte,opt=1\n"
                                  "abc=fmtb\n"
                                  "xyz=fmtf\n"
                                  "\n"
                                  "[OTHER]\n"
                                  "xyz=fmtc\n"
                                  "[formats]\n"
                                  "def=fmtd\n");
    EXPECT_EQ(ReadHostFormats(path).at("xyz"), "fmtf");

    const std::string fresh = dir.filePath("new.ini").toStdString();
    ASSERT_TRUE(SaveHostFormat(fresh, "abc", "fmta"));
    EXPECT_EQ(ReadTextFile(fresh), "[FORMATS]\nabc=fmta\n");
    EXPECT_FALSE(SaveHostFormat(dir.filePath("no/such/folder.ini").toStdString(), "a", "b"));
}

} // namespace
} // namespace tolk
