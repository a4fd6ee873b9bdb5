#include "convert/UpToDate.h"

#include "TextFiles.h"

#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace tolk {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

TEST(UpToDate, OnlyATargetWrittenAfterTheFileAndItsPartnerIsUpToDate) {
    struct Case {
        const char* what;
        std::optional<fs::file_time_type::duration> target; ///< after the file; none: missing
        std::optional<fs::file_time_type::duration> partner;
        bool upToDate;
    };
    const Case cases[] = {
        {"no target", std::nullopt, std::nullopt, false},
        {"target older", -1s, std::nullopt, false},
        {"target as old", 0s, std::nullopt, false},
        {"target newer", 1ns, std::nullopt, true},
        {"partner newer than the target", 2s, 3s, false},
        {"partner older than the target", 2s, 1s, true},
    };
    // Ahead of now: a file's time is also when its name last changed (now, as it is made).
    const fs::file_time_type written = fs::file_time_type::clock::now() + 1h;
    for (const Case& test : cases) {
        QTemporaryDir dir;
        const std::string root = dir.path().toStdString();
        ConversionSettings settings;
        settings.SourceFldr = root + "/src";
        settings.TargetFldr = root + "/out";
        settings.TargetExt = "kml";
        settings.MergeExt = "wpt";
        const auto write = [&](const std::string& path, fs::file_time_type::duration after) {
            testing::WriteTextFile(path, "x");
            fs::last_write_time(path, written + after);
        };
        write(settings.SourceFldr + "/2024/a.gpx", 0s);
        if (test.target) {
            write(settings.TargetFldr + "/2024/a.kml", *test.target);
        }
        if (test.partner) {
            write(settings.SourceFldr + "/2024/A.WPT", *test.partner);
        }
        EXPECT_EQ(NotUpToDate(settings, {"2024/a.gpx"}).empty(), test.upToDate) << test.what;
    }
}

} // namespace
} // namespace tolk
