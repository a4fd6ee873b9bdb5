#include "convert/ConvertCommand.h"

#include "TempHome.h"
#include "TextFiles.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <set>
#include <thread>

namespace tolk {
namespace {

using Lines = std::vector<std::string>;
using namespace std::chrono_literals;

// What the hosts of a run did, shared by them across their jobs' threads.
struct HostRecord {
    std::mutex mutex;
    std::set<std::string> opened;
    std::set<std::string> saved; ///< files whose targets were written
    std::atomic<int> cancels = 0;
    std::atomic<int> spareOffered = -1; ///< the spare engines the last run offered as it began
};

// A host that takes longest over the first files, so that with several jobs later files finish
// first. A file named "refused" is not saved, "crash" makes the save fail as a call, "hang"
// saves only once its run's engine runs are ended (and then fails as stopped), and a grid "none"
// is refused.
class TimedHost : public HostLink {
public:
    explicit TimedHost(HostRecord& record) : m_record(record) {}

    HostStatus RefreshData(std::int32_t& result) override { return Done(result); }
    HostStatus RefreshMap(std::int32_t& result) override { return Done(result); }
    void ConvertFiles(std::span<const FileConversion> files, const HostRun& run,
                      FileGate& gate) override {
        m_endRuns = run.endRuns;
        m_record.spareOffered = run.spareEngines->Count();
        HostLink::ConvertFiles(files, run, gate);
    }
    HostStatus OpenFile(const std::string& path, std::int32_t& result) override {
        Note(m_record.opened, path);
        const auto digit = path.find_last_of("0123456789");
        const int slowness = digit == std::string::npos ? 0 : 9 - (path[digit] - '0');
        std::this_thread::sleep_for(3ms * slowness);
        return Done(result);
    }
    HostStatus CloseWindow(std::int32_t& result) override { return Done(result); }
    HostStatus SaveFileAs(const std::string& path, std::int32_t& result) override {
        if (path.find("crash") != std::string::npos) {
            return {-1, "the host went away"};
        }
        const bool hangs = path.find("hang") != std::string::npos;
        for (auto waited = 0ms; hangs && !m_endRuns.stop_requested() && waited < 30s;
             waited += 5ms) {
            std::this_thread::sleep_for(5ms);
        }
        const bool stopped = hangs && m_endRuns.stop_requested();
        m_record.cancels += stopped ? 1 : 0;
        result = stopped || path.find("refused") != std::string::npos ? 1 : 0;
        if (result == 0) {
            Note(m_record.saved, path);
        }
        HostStatus status;
        status.reason = stopped ? "stopped" : "";
        return status;
    }
    HostStatus MergeFile(const std::string&, std::int32_t& result) override { return Done(result); }
    HostStatus GetVersion(std::string& version) override {
        version = "Timed 1";
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
    void Note(std::set<std::string>& files, const std::string& path) {
        const std::lock_guard lock(m_record.mutex);
        files.insert(path.substr(path.rfind('/') + 1, path.rfind('.') - path.rfind('/') - 1));
    }

    HostRecord& m_record;
    std::stop_token m_endRuns;
};

// Writes down what the run shows, as the console would print it, and its end.
class RecordingListener : public RunListener, public CommandSink {
public:
    void FileStarted(int index) override { started.push_back(index); }
    void FileFinished(int index, const FileOutcome& outcome) override {
        finished.push_back(index);
        outcomes.push_back(outcome);
        for (const std::string& message : outcome.messages) {
            lines.push_back(std::to_string(index) + " " + message);
        }
        lines.push_back(outcome.status);
        if (onFinished) {
            onFinished(index);
        }
    }
    void ShowStatus(const std::string& text) override { lines.push_back(text); }
    void ShowMessage(const std::string& text) override { lines.push_back("message: " + text); }
    void ShowNote(const std::string& text) override { lines.push_back("note: " + text); }
    void ReportError(const std::string& message) override { lines.push_back("error: " + message); }

    std::vector<int> started;
    std::vector<int> finished;
    std::vector<FileOutcome> outcomes;
    Lines lines;
    std::function<void(int)> onFinished;
};

class ConvertCommandTest : public ::testing::Test {
protected:
    ConvertCommandTest() {
        m_settings.SourceFldr = "/nowhere/src";
        m_settings.TargetFldr = "/nowhere/out";
        m_settings.SourceExt = "gpx";
        m_settings.TargetExt = "kml";
        m_settings.MergeExt = "csv";
    }
    RunTotals Run(int jobs, const Lines& names, std::function<bool()> stopAsked = {},
                  const std::string& logFolder = {}, int jobsAsked = 0) {
        ConvertCommand command(
            {RunCommand::ConvertAll, m_settings, names, Hosts(jobs), logFolder, jobsAsked},
            m_listener, m_listener);
        return command.RunToEnd(stopAsked);
    }
    std::vector<HostConnection*> Hosts(int jobs) {
        m_hosts.clear();
        std::vector<HostConnection*> hosts;
        for (int job = 0; job < jobs; ++job) {
            hosts.push_back(&m_hosts.emplace_back(std::make_unique<TimedHost>(m_record)));
        }
        return hosts;
    }
    static Lines Names(int count) {
        Lines names;
        for (int index = 0; index < count; ++index) {
            names.push_back(std::string("f").append(std::to_string(index)).append(".gpx"));
        }
        return names;
    }
    std::size_t Opened() {
        const std::lock_guard lock(m_record.mutex);
        return m_record.opened.size();
    }

    ConversionSettings m_settings;
    HostRecord m_record;
    std::deque<HostConnection> m_hosts;
    RecordingListener m_listener;
};

TEST_F(ConvertCommandTest, FourJobsShowInListOrderWithTheTotalsOfOne) {
    Lines names = Names(10);
    names[3] = "f3 refused.gpx";
    // Its target is the first file's, which another job converts.
    names[8] = "f1.GPX";
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
    EXPECT_EQ(fourListener.outcomes[8].reason,
              "its target f1.kml is written from f1.gpx in this run");
    EXPECT_EQ(fourListener.lines.back().rfind("message: Unable to find files to merge:\r\nf0.csv"),
              0u);
    EXPECT_EQ(four.converted, 8);
    EXPECT_EQ(one.converted, 8);
    EXPECT_EQ(four.mergeMissingList, one.mergeMissingList);
    EXPECT_FALSE(four.failure);
}

// Every file whose target was written appears, in list order, before the error that ended the
// run; so do the files the error kept from beginning, each with why, in the log too. The summary
// counts every listed file.
TEST_F(ConvertCommandTest, AnErrorEndingTheRunComesAfterEveryFileBegunAndNotBegun) {
    Lines names = Names(9);
    names[2] = "f2 crash.gpx";
    const testing::TempHome home;
    const RunTotals totals = Run(3, names, {}, home.Path());

    ASSERT_TRUE(totals.failure);
    EXPECT_EQ(*totals.failure, "the host went away");
    EXPECT_EQ(m_listener.finished, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    const auto notBegun = std::ranges::count_if(m_listener.outcomes, [](const auto& outcome) {
        return outcome.reason == "not begun: an error ended the run";
    });
    EXPECT_GE(notBegun, 4) << "no more than the jobs begin beyond the error";
    EXPECT_EQ(m_listener.outcomes.back().status, "Could NOT convert: f8");
    EXPECT_EQ(m_record.saved.size(), static_cast<std::size_t>(totals.converted));
    EXPECT_EQ(m_listener.outcomes[2].status, "Could NOT convert: f2 crash");
    EXPECT_EQ(m_listener.outcomes[2].reason, "the host went away");
    const auto end = m_listener.lines.end();
    EXPECT_EQ(*(end - 3), "Converted " + std::to_string(totals.converted) +
                              " files. NOT CONVERTED = " + std::to_string(9 - totals.converted));
    EXPECT_EQ(*(end - 2), "error: the host went away");
    EXPECT_TRUE(testing::ReadTextFile(home / "conversion.log")
                    .ends_with("f8.gpx\tNOT converted\tnot begun: an error ended the run\n"));
}

// While a file's outcome is being shown (a message box open), no further file begins than
// there are jobs.
TEST_F(ConvertCommandTest, AFileBeingShownHoldsTheRun) {
    std::size_t openedDuringTheBox = 0;
    m_listener.onFinished = [&](int index) {
        if (index == 0) {
            std::this_thread::sleep_for(150ms);
            openedDuringTheBox = Opened();
        }
    };
    Run(2, Names(6));
    EXPECT_EQ(openedDuringTheBox, 2u);
    EXPECT_EQ(m_listener.finished.size(), 6u);
}

// The hung file's engine run is ended after the grace time; it fails as stopped, and the run
// ends with the files it began.
TEST_F(ConvertCommandTest, StopEndsAHungFileAndTheRunResumesThere) {
    Lines names = Names(6);
    names[1] = "f1 hang.gpx";
    std::atomic<bool> stop = false;
    m_listener.onFinished = [&](int index) { stop = stop || index == 0; };
    const RunTotals totals = Run(2, names, [&] { return stop.load(); });

    ASSERT_GE(m_listener.outcomes.size(), 2u);
    EXPECT_EQ(m_listener.outcomes[1].status, "Could NOT convert: f1 hang");
    EXPECT_EQ(m_listener.outcomes[1].reason, "stopped");
    EXPECT_GE(m_record.cancels, 1);
    EXPECT_LT(totals.done, 6);
    EXPECT_EQ(totals.done, static_cast<int>(Opened())) << "every file begun was shown";
    EXPECT_EQ(totals.resumeAt, 1);
    EXPECT_FALSE(totals.failure);
}

// As the window shows a run: only when told there is news (or that news was left). A run whose
// news waits to be taken tells once, not once a file, and nothing told is lost.
TEST_F(ConvertCommandTest, ShownOnlyWhenToldEveryFileIsShown) {
    ConvertCommand command({RunCommand::ConvertAll, m_settings, Names(8), Hosts(2), {}}, m_listener,
                           m_listener);
    std::atomic<int> told = 0;
    QObject::connect(&command.Loop(), &ConversionLoop::NewsReady, [&] { ++told; });
    command.Start();
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(told, 1) << "two files begun and finished, none taken";

    bool over = false;
    const auto giveUp = std::chrono::steady_clock::now() + 20s;
    for (int answered = 0; !over && std::chrono::steady_clock::now() < giveUp;) {
        if (told > answered || command.NewsLeft()) {
            answered = told;
            over = command.ShowNews();
        } else {
            std::this_thread::sleep_for(1ms);
        }
    }
    EXPECT_TRUE(over);
    EXPECT_EQ(m_listener.finished, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

// The engines of jobs that have no file are spare from the start: the hosts given beyond the
// files, and the jobs asked for that were given none.
TEST_F(ConvertCommandTest, JobsWithoutFilesLendTheirEngines) {
    const struct { int hosts, jobsAsked, spare; } cases[] = {{2, 0, 1}, {1, 3, 2}, {1, 0, 0}};
    for (const auto& run : cases) {
        Run(run.hosts, Names(1), {}, {}, run.jobsAsked);
        EXPECT_EQ(m_record.spareOffered, run.spare) << run.hosts << " hosts, " << run.jobsAsked;
    }
}

TEST_F(ConvertCommandTest, AnEmptyListConvertsNothing) {
    const RunTotals totals = Run(2, {});
    EXPECT_EQ(totals.done, 0);
    EXPECT_TRUE(m_listener.started.empty());
    EXPECT_EQ(m_listener.lines, Lines{"Converted 0 files."});
}

} // namespace
} // namespace tolk
