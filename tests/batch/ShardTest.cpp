#include "batch/Shard.h"

#include <gtest/gtest.h>

namespace tolk {
namespace {

TEST(Shard, OnlyKOfNWithKFromOneToNIsAShard) {
    EXPECT_EQ(ParseShard("2/5")->index, 2);
    EXPECT_EQ(ParseShard("2/5")->count, 5);
    EXPECT_EQ(ParseShard("100000/100000")->count, 100000);
    for (const char* bad : {"0/3", "4/3", "1/0", "1", "1/", "/3", "-1/3", "1/3/4", "a/3", "1 /3",
                            "1/100001", "99999999999/3"}) {
        EXPECT_FALSE(ParseShard(bad)) << bad;
    }
}

TEST(Shard, EveryFileFallsIntoOneShardWithItsTwinsAndPartners) {
    for (const int count : {1, 2, 3, 7}) {
        for (int file = 0; file < 200; ++file) {
            const std::string name =
                "year " + std::to_string(file % 9) + "/t" + std::to_string(file) + ".gpx";
            int holders = 0;
            for (int index = 1; index <= count; ++index) {
                holders += InShard({index, count}, name) ? 1 : 0;
            }
            EXPECT_EQ(holders, 1) << name << " of " << count;
        }
    }
    for (int index = 1; index <= 7; ++index) {
        const bool holds = InShard({index, 7}, "2024/trip/a.gpx");
        EXPECT_EQ(InShard({index, 7}, "2024/trip/A.GPX"), holds);
        EXPECT_EQ(InShard({index, 7}, "2024/trip/a.csv"), holds);
    }
    // The slices must not move between releases, or machines of two releases would share one
    // archive wrongly.
    EXPECT_TRUE(InShard({1, 7}, "2024/trip/a.gpx"));
}

} // namespace
} // namespace tolk
