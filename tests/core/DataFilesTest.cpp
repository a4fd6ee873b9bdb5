#include "TempHome.h"
#include "TextFiles.h"
#include "core/DataFiles.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tolk {
namespace {

// The installed layout: programs in usr/lib/tolkconv, their data in usr/share/tolkconv.
TEST(DataFilesTest, BesideTheProgramFirstThenTheInstalledDataFolder) {
    const testing::TempHome root;
    const std::string program = root / "usr/lib/tolkconv/";
    const std::string data = root / "usr/share/tolkconv/";
    std::filesystem::create_directories(program);
    EXPECT_EQ(DataFilePath(program, "DATUMS.TXT"), program + "DATUMS.TXT") << "no data folder";

    testing::WriteTextFile(data + "DATUMS.TXT", "");
    testing::WriteTextFile(data + "GRIDS.TXT", "");
    testing::WriteTextFile(program + "GRIDS.TXT", "");
    EXPECT_EQ(DataFilePath(program, "DATUMS.TXT"), data + "DATUMS.TXT");
    EXPECT_EQ(DataFilePath(program, "GRIDS.TXT"), program + "GRIDS.TXT");
    // Missing from both, the file is named where it belongs.
    EXPECT_EQ(DataFilePath(program, "tolkconv.qch"), data + "tolkconv.qch");
}

} // namespace
} // namespace tolk
