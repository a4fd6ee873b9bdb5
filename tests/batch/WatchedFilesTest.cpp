#include "batch/SettledConversions.h"

#include <gtest/gtest.h>

namespace tolk {
namespace {

BatchRun::Result Converted(std::vector<std::string> names, std::vector<int> notConverted) {
    BatchRun::Result result;
    result.names = std::move(names);
    result.totals.notConverted = std::move(notConverted);
    return result;
}

// A file converted again while watching counts once, as its last conversion came out.
TEST(WatchedFiles, EachFileCountsOnceAsItLastCameOut) {
    WatchedFiles watched;
    watched.Add(Converted({"a.gpx", "b.gpx", "c.gpx"}, {1, 2}));
    watched.Add(Converted({"b.gpx"}, {}));
    watched.Add(Converted({"a.gpx"}, {0}));
    const RunTotals totals = watched.Totals();
    EXPECT_EQ(totals.done, 3);
    EXPECT_EQ(totals.converted, 1) << "b converted at last; a and c did not";
}

} // namespace
} // namespace tolk
