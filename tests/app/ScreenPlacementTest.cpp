#include "app/ScreenPlacement.h"

#include <gtest/gtest.h>
#include <limits>

namespace tolk {
namespace {

const WindowBounds Left{0, 0, 1024, 768};
const WindowBounds Right{1024, 0, 2944, 1040}; // a larger screen beside it, a panel below

TEST(ScreenPlacementTest, BoundsShowingOnAScreenStandWhereTheyFit) {
    for (const WindowBounds bounds :
         {WindowBounds{166, 175, 643, 570}, WindowBounds{-100, -50, 378, 350},
          WindowBounds{900, 100, 1378, 500}}) {
        EXPECT_EQ(PlaceOnScreens(bounds, {Left, Right}), bounds);
    }
    EXPECT_EQ(PlaceOnScreens({2000, 1500, 2478, 1900}, {}), (WindowBounds{2000, 1500, 2478, 1900}));
}

TEST(ScreenPlacementTest, BoundsLargerThanTheirScreenAreCutToIt) {
    EXPECT_EQ(PlaceOnScreens({0, 0, 100000, 100000}, {Left}), Left);
    EXPECT_EQ(PlaceOnScreens({1100, 20, 1200, 99999}, {Left, Right}),
              (WindowBounds{1100, 0, 1200, 1040}));
    const std::int32_t most = std::numeric_limits<std::int32_t>::max();
    const std::int32_t least = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(PlaceOnScreens({least, least, most, most}, {Left}), Left);
}

TEST(ScreenPlacementTest, BoundsOffEveryScreenMoveOntoTheNearest) {
    EXPECT_EQ(PlaceOnScreens({2000, 1500, 2478, 1900}, {Left}),
              (WindowBounds{546, 368, 1024, 768}));
    EXPECT_EQ(PlaceOnScreens({5000, -900, 5478, -500}, {Left, Right}),
              (WindowBounds{2466, 0, 2944, 400}));
    EXPECT_EQ(PlaceOnScreens({-3000, 300, -2000, 1300}, {Left, Right}),
              (WindowBounds{0, 0, 1000, 768}));
    const std::int32_t most = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(PlaceOnScreens({most - 478, most - 400, most, most}, {Left}),
              (WindowBounds{546, 368, 1024, 768}));
}

} // namespace
} // namespace tolk
