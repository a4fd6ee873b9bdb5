#include "batch/ProgressLine.h"

#include <gtest/gtest.h>

namespace tolk {
namespace {

using std::chrono::seconds;

TEST(ProgressLineTest, ShowsBarCountTimeLeftAndCurrentFile) {
    EXPECT_EQ(ProgressLine(5, 20, "walk", seconds(75), 80),
              "[#####---------------] 5/20  1:15 left  walk");
    EXPECT_EQ(ProgressLine(0, 3, "a", std::nullopt, 80),
              "[--------------------] 0/3  --:-- left  a");
    EXPECT_EQ(ProgressLine(0, 0, "", seconds(0), 80), "[####################] 0/0  0:00 left  ");
}

TEST(ProgressLineTest, IsCutToTheWidthNeverInsideACharacter) {
    const std::string full = ProgressLine(1, 2, "Zürich", seconds(5), 200);
    const std::size_t u = full.find("\xC3\xBC");
    ASSERT_NE(u, std::string::npos);
    EXPECT_EQ(ProgressLine(1, 2, "Zürich", seconds(5), static_cast<int>(u) + 1), full.substr(0, u));
    EXPECT_EQ(ProgressLine(1, 2, "Zürich", seconds(5), 10), "[#########");
}

TEST(ProgressLineTest, TimeLeftGoesOnAsTheDoneFilesWent) {
    EXPECT_FALSE(TimeLeft(0, 10, seconds(3)));
    EXPECT_EQ(TimeLeft(2, 10, seconds(3)), seconds(12));
    EXPECT_EQ(TimeLeft(3, 10, std::chrono::milliseconds(1000)), seconds(3));
    EXPECT_EQ(TimeLeft(10, 10, seconds(30)), seconds(0));
}

} // namespace
} // namespace tolk
