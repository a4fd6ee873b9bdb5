#include "convert/ConversionLoop.h"

#include <chrono>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <optional>
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
class RecordingListener : public RunListener {
public:
    void FileStarted(int index) override { started.push_back(index); }
    void FileFinished(int index, const FileOutcome& outcome) override {
        finished.push_back(index);
        if (onFinished) {
            onFinished(index);
        }
        for (const std::string& message : outcome.messages) {
            lines.push_back(std::to_string(index) + " " + message);
        }
        lines.push_back(outcome.status);
    }

    std::vector<int> started;
    std::vector<int> finished;
    Lines lines;
    std::function<void(int)> onFinished;
};

class ConversionLoopTest : public ::testing::Test {
protected:
    ConversionLoopTest() {
        m_settings.SourceFldr = "/nowhere/src";
        m_settings.TargetFldr = "/nowhere/out";
        m_settings.SourceExt = "gpx";
        m_settings.TargetExt = "kml";
        m_settings.MergeExt = "csv";
    }
    RunTotals Run(int jobs, const Lines& names) {
        m_hosts.clear();
        std::vector<HostConnection*> hosts;
        for (int job = 0; job < jobs; ++job) {
            hosts.push_back(&m_hosts.emplace_back(std::make_unique<UnevenHost>()));
        }
        m_loop.emplace(m_settings, names, std::move(hosts));
        return m_loop->Run(m_listener);
    }
    static Lines Names(int count) {
        Lines names;
        for (int index = 0; index < count; ++index) {
            names.push_back(std::string("f").append(std::to_string(index)).append(".gpx"));
        }
        return names;
    }

    ConversionSettings m_settings;
    std::deque<HostConnection> m_hosts;
    std::optional<ConversionLoop> m_loop;
    RecordingListener m_listener;
};

TEST_F(ConversionLoopTest, FourJobsReportInListOrderWithTheTotalsOfOne) {
    Lines names = Names(10);
    names[3] = "f3 refused.gpx";
    m_settings.Grid = "none";
    const RunTotals four = Run(4, names);
    const RecordingListener fourListener = m_listener;
    m_listener = {};
    const RunTotals one = Run(1, names);

    EXPECT_EQ(fourListener.finished, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(fourListener.started.size(), 10u);
    EXPECT_EQ(fourListener.lines, m_listener.lines);
    EXPECT_EQ(fourListener.lines[0], "0 Unable to change grid");
    EXPECT_EQ(fourListener.lines[1], "Converted: f0");
    EXPECT_EQ(fourListener.lines[7], "Could NOT convert: f3 refused");
    EXPECT_EQ(four.done, 10);
    EXPECT_EQ(four.converted, 9);
    EXPECT_EQ(one.converted, 9);
    EXPECT_EQ(four.mergeMissingList, one.mergeMissingList);
    EXPECT_EQ(four.mergeMissingList.substr(0, 20), "\r\nf0.csv\r\nf1.csv\r\nf2");
    EXPECT_FALSE(four.failure);
}

TEST_F(ConversionLoopTest, ACallFailureEndsTheRunAtThatFileWhateverTheJobs) {
    Lines names = Names(8);
    names[2] = "f2 crash.gpx";
    for (const int jobs : {1, 3}) {
        m_listener = {};
        const RunTotals totals = Run(jobs, names);
        EXPECT_EQ(m_listener.finished, (std::vector<int>{0, 1, 2})) << jobs << " jobs";
        EXPECT_EQ(m_listener.lines.back(), "Converting: f2 crash");
        ASSERT_TRUE(totals.failure);
        EXPECT_EQ(*totals.failure, "the engine stopped unexpectedly");
        EXPECT_EQ(totals.converted, 2);
        EXPECT_EQ(totals.mergeMissingList, "\r\nf0.csv\r\nf1.csv\r\nf2 crash.csv");
    }
}

TEST_F(ConversionLoopTest, StopFinishesAndReportsTheFilesInProgressAndStartsNoMore) {
    m_listener.onFinished = [this](int index) {
        if (index == 0) {
            m_loop->Stop();
        }
    };
    const RunTotals totals = Run(3, Names(10));
    EXPECT_GE(totals.done, 1);
    EXPECT_LT(totals.done, 10);
    EXPECT_EQ(m_listener.started.size(), static_cast<std::size_t>(totals.done))
        << "every file begun was reported";
    for (int index = 0; index < totals.done; ++index) {
        EXPECT_EQ(m_listener.finished[static_cast<std::size_t>(index)], index);
    }
    EXPECT_FALSE(totals.failure);
}

TEST_F(ConversionLoopTest, AnEmptyListConvertsNothing) {
    const RunTotals totals = Run(2, {});
    EXPECT_EQ(totals.done, 0);
    EXPECT_EQ(totals.converted, 0);
    EXPECT_TRUE(m_listener.started.empty());
}

} // namespace
} // namespace tolk
