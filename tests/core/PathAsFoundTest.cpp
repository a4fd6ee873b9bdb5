#include "core/PathAsFound.h"

#include "TextFiles.h"

#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

namespace tolk {
namespace {

TEST(PathAsFound, FindsTheNameThatDiffersOnlyInAsciiCase) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    for (const char* name : {"TRACK.TXT", "Track.txt.bak", "b.Gpx", "B.GPX", "caf\xc3\xa9.txt"}) {
        testing::WriteTextFile(folder + "/" + name, "x");
    }
    std::filesystem::create_directory(folder + "/Sub");

    EXPECT_EQ(PathAsFound(folder + "/TRACK.txt"), folder + "/TRACK.TXT");
    EXPECT_EQ(PathAsFound(folder + "/track.txt"), folder + "/TRACK.TXT");
    EXPECT_EQ(PathAsFound(folder + "/b.gpx"), folder + "/b.gpx") << "several spellings: none";
    EXPECT_EQ(PathAsFound(folder + "/b.Gpx"), folder + "/b.Gpx") << "an existing name stands";
    EXPECT_EQ(PathAsFound(folder + "/sub"), folder + "/Sub");
    // Only the letters a to z: other letters must match exactly.
    EXPECT_EQ(PathAsFound(folder + "/CAF\xc3\x89.TXT"), folder + "/CAF\xc3\x89.TXT");
    EXPECT_EQ(PathAsFound(folder + "/missing.txt"), folder + "/missing.txt");
    EXPECT_EQ(PathAsFound(folder + "/nofolder/TRACK.txt"), folder + "/nofolder/TRACK.txt");
    EXPECT_EQ(PathAsFound(""), "");
}

} // namespace
} // namespace tolk
