#include "batch/ParallelConversion.h"

#include <chrono>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

namespace tolk {
namespace {

using Lines = std::vector<std::string>;

// A host that takes longest over the first files, so that with several jobs later files finish
// first; a file named "refused" is not saved, "crash" makes the save fail as a call, and a grid
// "none" is refused.
class UnevenHost : public HostLink {
public:
    HostStatus RefreshData(std::int32_t& result) override { return Done(result); }
    HostStatus RefreshMap(std::int32_t& result) override { return Done(result); }
    HostStatus OpenFile(const std::string& path, std::int32_t& result) override {
        const auto digit = path.find_last_of("0123456789");
        const int slowness = digit == std::string::npos ? 0 : 9 - (path[digit] - '0');
        std::this_thread::sleep_for(std::chrono::milliseconds(3 * slowness));
        return Done(result);
    }
    HostStatus CloseWindow(std::int32_t& result) override { return Done(result); }
    HostStatus SaveFileAs(const std::string& path, std::int32_t& result) override {
        if (path.find("crash") != std::string::npos) {
            return {-1, "the engine stopped unexpectedly"};
        }
        result = path.find("refused") != std::string::npos ? 1 : 0;
        return {};
    }
    HostStatus MergeFile(const std::string&, std::int32_t& result) override { return Done(result); }
    HostStatus GetVersion(std::string& version) override {
        version = "Uneven 1";
        return {};
    }
    HostStatus ChangeDatum(const std::string&, std::int32_t& result) override {
        return Done(result);
    }
    HostStatus ChangeGrid(const std::string& name, std::int32_t& result) override {
        result = name == "none" ? 1 : 0;
        return {};
    }

private:
    static HostStatus Done(std::int32_t& result) {
        result = 0;
        return {};
    }
};

// Writes down what the run reports, as the console would print it.
class RecordingListener : public ConversionListener {
public:
    void FileStarted(int index) override { started.push_back(index); }
    void FileFinished(int index, const FileOutcome& outcome) override {
        finished.push_back(index);
        for (const std::string& message : outcome.messages) {
            lines.push_back(std::to_string(index) + " " + message);
        }
        lines.push_back(outcome.status);
    }

    std::vector<int> started;
    std::vector<int> finished;
    Lines lines;
};

class ParallelConversionTest : public ::testing::Test {
protected:
    ParallelConversionTest() {
        m_settings.SourceFldr = "/nowhere/src";
        m_settings.TargetFldr = "/nowhere/out";
        m_settings.SourceExt = "gpx";
        m_settings.TargetExt = "kml";
        m_settings.MergeExt = "csv";
    }
    ConversionTotals Run(int jobs, const Lines& names) {
        m_files.SetNames(names);
        m_hosts.clear();
        for (int job = 0; job < jobs; ++job) {
            m_hosts.emplace_back(std::make_unique<UnevenHost>());
        }
        return ConvertAllInParallel(m_settings, m_files, m_hosts, m_listener);
    }
    static Lines Names(int count) {
        Lines names;
        for (int index = 0; index < count; ++index) {
            names.push_back(std::string("f").append(std::to_string(index)).append(".gpx"));
        }
        return names;
    }

    ConversionSettings m_settings;
    SourceFileList m_files;
    std::vector<HostConnection> m_hosts;
    RecordingListener m_listener;
};

TEST_F(ParallelConversionTest, FourJobsReportInListOrderWithTheTotalsOfOne) {
    Lines names = Names(10);
    names[3] = "f3 refused.gpx";
    m_settings.Grid = "none";
    const ConversionTotals four = Run(4, names);
    const RecordingListener fourListener = m_listener;
    m_listener = {};
    const ConversionTotals one = Run(1, names);

    EXPECT_EQ(fourListener.finished, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(fourListener.started.size(), 10u);
    EXPECT_EQ(fourListener.lines, m_listener.lines);
    EXPECT_EQ(fourListener.lines[0], "0 Unable to change grid");
    EXPECT_EQ(fourListener.lines[1], "Converted: f0");
    EXPECT_EQ(fourListener.lines[7], "Could NOT convert: f3 refused");
    EXPECT_EQ(four.listed, 10);
    EXPECT_EQ(four.converted, 9);
    EXPECT_EQ(one.converted, 9);
    EXPECT_EQ(four.mergeMissingList, one.mergeMissingList);
    EXPECT_EQ(four.mergeMissingList.substr(0, 20), "\r\nf0.csv\r\nf1.csv\r\nf2");
    EXPECT_FALSE(four.failure);
}

TEST_F(ParallelConversionTest, ACallFailureEndsTheRunAtThatFileWhateverTheJobs) {
    Lines names = Names(8);
    names[2] = "f2 crash.gpx";
    for (const int jobs : {1, 3}) {
        m_listener = {};
        const ConversionTotals totals = Run(jobs, names);
        EXPECT_EQ(m_listener.finished, (std::vector<int>{0, 1, 2})) << jobs << " jobs";
        EXPECT_EQ(m_listener.lines.back(), "Converting: f2 crash");
        ASSERT_TRUE(totals.failure);
        EXPECT_EQ(*totals.failure, "the engine stopped unexpectedly");
        EXPECT_EQ(totals.converted, 2);
        EXPECT_EQ(totals.mergeMissingList, "\r\nf0.csv\r\nf1.csv\r\nf2 crash.csv");
    }
}

TEST_F(ParallelConversionTest, AnEmptyListConvertsNothing) {
    const ConversionTotals totals = Run(2, {});
    EXPECT_EQ(totals.listed, 0);
    EXPECT_EQ(totals.converted, 0);
    EXPECT_TRUE(m_listener.started.empty());
}

} // namespace
} // namespace tolk
