#include "ConvertAllNow.h"
#include "GpsSamples.h"
#include "MessageRecorder.h"
#include "StandInEngine.h"
#include "TempHome.h"
#include "TextFiles.h"
#include "WindowRun.h"
#include "app/Tmainfrm.h"
#include "host/gpsbabel/GpsBabelHost.h"

#include <QLabel>
#include <QPushButton>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace tolk {
namespace {

namespace fs = std::filesystem;
using testing::ReadTextFile;
using testing::WriteTextFile;
using Lines = std::vector<std::string>;

// A track long enough that its KML runs to many blocks.
std::string LongTrackGpx() {
    std::string gpx =
        "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"tolk tests\" "
        "xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><name>Long</name><trkseg>\n";
    for (int i = 0; i < 3000; ++i) {
        gpx += "<trkpt lat=\"" + std::to_string(46 + i * 1e-4) + "\" lon=\"" +
               std::to_string(7 + i * 1e-4) + "\"/>\n";
    }
    return gpx + "</trkseg></trk></gpx>\n";
}

// The real host, with a look at each file before it is opened.
class OpenWatch : public HostLink {
public:
    OpenWatch(std::unique_ptr<HostLink> host, std::function<void(const std::string&)> onOpen)
        : m_host(std::move(host)), m_onOpen(std::move(onOpen)) {}

    HostStatus RefreshData(std::int32_t& r) override { return m_host->RefreshData(r); }
    HostStatus RefreshMap(std::int32_t& r) override { return m_host->RefreshMap(r); }
    HostStatus OpenFile(const std::string& path, std::int32_t& r) override {
        if (m_onOpen) {
            m_onOpen(path);
        }
        return m_host->OpenFile(path, r);
    }
    HostStatus CloseWindow(std::int32_t& r) override { return m_host->CloseWindow(r); }
    void RunEnded() override { m_host->RunEnded(); }
    HostStatus SaveFileAs(const std::string& p, std::int32_t& r) override {
        return m_host->SaveFileAs(p, r);
    }
    HostStatus MergeFile(const std::string& p, std::int32_t& r) override {
        return m_host->MergeFile(p, r);
    }
    HostStatus GetVersion(std::string& version) override { return m_host->GetVersion(version); }
    HostStatus ChangeDatum(const std::string& n, std::int32_t& r) override {
        return m_host->ChangeDatum(n, r);
    }
    HostStatus ChangeGrid(const std::string& n, std::int32_t& r) override {
        return m_host->ChangeGrid(n, r);
    }

private:
    std::unique_ptr<HostLink> m_host;
    std::function<void(const std::string&)> m_onOpen;
};

// Converts a.gpx, b.gpx and c.gpx to KML, with an older b.kml in the target folder; the
// engine on PATH is a stand-in that runs the installed one, except on b.gpx, where it does
// what a test tells it.
class ConversionFaultTest : public ::testing::Test {
protected:
    ConversionFaultTest() {
        WriteTextFile(m_home / "bin/DATUMS.TXT", "M   WGS 84\r\n");
        WriteTextFile(m_home / "bin/GRIDS.TXT", "");
        for (const char* name : {"a.gpx", "c.gpx"}) {
            WriteTextFile(m_home / ("src/" + std::string(name)), testing::SampleGpx);
        }
        WriteTextFile(m_home / "src/b.gpx", LongTrackGpx());
        WriteTextFile(m_home / "out/b.kml", "the old b");
        m_sources = SourceContents();
        OnB(":");
    }

    /// The stand-in engine runs the shell commands when it reaches b.gpx.
    void OnB(const std::string& commands) {
        testing::WriteFaultyEngine(m_home / "engine", {{"b.gpx", commands}});
    }
    HostFactory Factory() const {
        return [] {
            GpsBabelConfig config;
            config.timeLimit = std::chrono::seconds(2);
            return CreateGpsBabelHost(config);
        };
    }
    void ChooseConversion(ConversionSettings& settings) const {
        settings.SourceFldr = m_home / "src";
        settings.TargetFldr = m_home / "out";
        settings.SourceExt = "gpx";
        settings.TargetExt = "kml";
        settings.Datum.clear();
        settings.Grid.clear();
    }
    /// "Convert All" in the real window; returns what the status line shows at the end.
    std::string ConvertAllInTheWindow() {
        AppServices services{m_messages, Factory(), m_home / "bin/tolkconv"};
        // One job, so that no file after the failing one is under way when the command ends.
        services.conversionJobs = 1;
        ProgramRecords records;
        Tmainfrm window(records, services);
        window.show();
        EXPECT_TRUE(window.Connected());
        m_messages.shown.clear();
        ChooseConversion(records.Settings);
        window.FileList().SetNames({"a.gpx", "b.gpx", "c.gpx"});
        window.FileList().SetCurrentIndex(0);
        testing::ClickAndWait(window, "convall");
        m_log = ReadTextFile(records.WorkFolder + "/conversion.log");
        return window.findChild<QLabel*>("statuslbl")->text().toStdString();
    }
    /// "Convert All" over the conversion run alone, with one job, which lets a test change the
    /// folders as a file is opened; returns the status texts.
    Lines ConvertAllWithTheRun(const SourceFileList& files,
                               std::function<void(const std::string&)> onOpen = {}) {
        ConversionSettings settings;
        ChooseConversion(settings);
        HostConnection host(std::make_unique<OpenWatch>(Factory()(), std::move(onOpen)));
        testing::RecordingSink sink(m_messages);
        testing::ConvertAllNow(settings, files.Names(), {&host}, sink, m_messages);
        return sink.statuses;
    }
    Lines SourceContents() const {
        Lines contents;
        for (const char* name : {"a.gpx", "b.gpx", "c.gpx"}) {
            contents.push_back(ReadTextFile(m_home / ("src/" + std::string(name))));
        }
        return contents;
    }
    /// The target folder's files, hidden ones included, in name order.
    Lines TargetFiles() const {
        Lines names;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(m_home / "out", error)) {
            names.push_back(entry.path().filename().string());
        }
        std::ranges::sort(names);
        return names;
    }
    /// Neither the sources nor the older target changed, and no temporary file is left.
    void ExpectNothingLost(const Lines& targets) const {
        EXPECT_EQ(SourceContents(), m_sources);
        EXPECT_TRUE(ReadTextFile(m_home / "out/b.kml") == "the old b") << "b.kml was replaced";
        EXPECT_EQ(TargetFiles(), targets);
    }

    testing::TempHome m_home;
    testing::EnginePath m_path{m_home / "engine"};
    testing::MessageRecorder m_messages;
    Lines m_sources;
    bool m_stop = false;
    std::string m_log;
};

struct EngineFault {
    const char* name;
    const char* commands; ///< what the stand-in does on b.gpx
    const char* reason;   ///< why b did not convert
};

void PrintTo(const EngineFault& fault, std::ostream* out) {
    *out << fault.name;
}

class EngineFaultTest : public ConversionFaultTest,
                        public ::testing::WithParamInterface<EngineFault> {};

// Each file is an engine run of its own: a failed run fails that file with its reason, the one
// it was writing keeps its older version, and the run goes on.
TEST_P(EngineFaultTest, FailsThatFileAloneAndLosesNothing) {
    OnB(GetParam().commands);
    EXPECT_EQ(ConvertAllInTheWindow(), "Converted 2 files. NOT CONVERTED = 1");
    EXPECT_TRUE(m_messages.shown.empty());
    ExpectNothingLost({"a.kml", "b.kml", "c.kml"});
    EXPECT_NE(ReadTextFile(m_home / "out/c.kml").find("<name>Greenwich</name>"), std::string::npos);
    EXPECT_NE(m_log.find(std::string("b.gpx\tNOT converted\t") + GetParam().reason),
              std::string::npos)
        << m_log;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, EngineFaultTest,
    ::testing::Values(
        EngineFault{"KilledMidConversion",
                    "for last; do :; done; echo 'half written' > \"$last\"; kill -KILL $$",
                    "gpsbabel stopped unexpectedly"},
        EngineFault{"Hanging", "exec /bin/sleep 60",
                    "gpsbabel did not finish within 2 seconds and was stopped"},
        // The engine may write at most 8 blocks; past that the system stops it, as the first
        // write to a full disk would fail.
        EngineFault{"FileSizeLimit", "ulimit -f 8", "gpsbabel stopped unexpectedly"}),
    [](const ::testing::TestParamInfo<EngineFault>& info) { return info.param.name; });

TEST_F(ConversionFaultTest, ATargetFolderRemovedDuringARunFailsTheRestAndIsNotMadeAgain) {
    SourceFileList files;
    files.SetNames({"a.gpx", "b.gpx", "c.gpx"});
    const Lines statuses = ConvertAllWithTheRun(files, [this](const std::string& source) {
        if (source.ends_with("/b.gpx")) {
            fs::remove_all(m_home / "out");
        }
    });
    EXPECT_EQ(statuses, (Lines{"Converting: a", "Converted: a", "Converting: b",
                               "Could NOT convert: b", "Converting: c", "Could NOT convert: c",
                               "Converted 1 files. NOT CONVERTED = 2"}));
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_FALSE(fs::exists(m_home / "out"));
    EXPECT_EQ(SourceContents(), m_sources);
}

TEST_F(ConversionFaultTest, ASourceDeletedAfterListingIsNotConvertedAndTheRunGoesOn) {
    SourceFileList files;
    files.RefreshFileList(m_home / "src", "gpx");
    ASSERT_EQ(files.Count(), 3);
    fs::remove(m_home / "src/b.gpx");
    EXPECT_EQ(ConvertAllWithTheRun(files),
              (Lines{"Converting: a", "Converted: a", "Converting: b", "Could NOT convert: b",
                     "Converting: c", "Converted: c", "Converted 2 files. NOT CONVERTED = 1"}));
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_EQ(ReadTextFile(m_home / "out/b.kml"), "the old b");
    EXPECT_EQ(TargetFiles(), (Lines{"a.kml", "b.kml", "c.kml"}));
}

// Among 200 files converted in shared engine runs, a corrupt, an empty, a hanging and a crashing
// one fail alone, each with its reason; every other file converts, with two jobs as with one.
TEST_F(ConversionFaultTest, FaultyFilesAmongManyFailAloneInSharedRuns) {
    testing::WriteFaultyEngine(m_home / "engine",
                               {{"f120.gpx", "exec /bin/sleep 60"}, {"f170.gpx", "kill -SEGV $$"}});
    SourceFileList files;
    std::vector<std::string> names;
    for (int index = 100; index < 300; ++index) {
        names.push_back("f" + std::to_string(index) + ".gpx");
        WriteTextFile(m_home / ("src/" + names.back()), testing::SampleGpx);
    }
    WriteTextFile(m_home / "src/f150.gpx", testing::CorruptGpx);
    WriteTextFile(m_home / "src/f160.gpx", "");
    files.SetNames(names);
    for (const int jobs : {1, 2}) {
        SCOPED_TRACE(std::to_string(jobs) + " jobs");
        fs::remove_all(m_home / "out");
        fs::create_directories(m_home / "out");
        ConversionSettings settings;
        ChooseConversion(settings);
        std::deque<HostConnection> hosts;
        std::vector<HostConnection*> jobHosts;
        for (int job = 0; job < jobs; ++job) {
            jobHosts.push_back(&hosts.emplace_back(Factory()()));
        }
        testing::RecordingSink sink(m_messages);
        testing::ConvertAllNow(settings, names, jobHosts, sink, m_messages);

        EXPECT_EQ(sink.statuses.back(), "Converted 196 files. NOT CONVERTED = 4");
        const std::map<std::string, std::string> expected{
            {"f120.gpx", "gpsbabel did not finish within 2 seconds"},
            {"f150.gpx", "GPX Read error"},
            {"f160.gpx", "GPX Read error"},
            {"f170.gpx", "gpsbabel stopped unexpectedly"}};
        std::map<std::string, std::string> failed;
        for (std::size_t index = 0; index < sink.outcomes.size(); ++index) {
            const std::string& reason = sink.outcomes[index].reason;
            if (!sink.outcomes[index].converted) {
                const auto known = expected.find(names[index]);
                failed[names[index]] = known != expected.end() && reason.starts_with(known->second)
                                           ? known->second
                                           : reason;
            }
        }
        EXPECT_EQ(failed, expected);
        EXPECT_EQ(TargetFiles().size(), 196u) << "no temporary is left";
        EXPECT_NE(ReadTextFile(m_home / "out/f299.kml").find("<name>Greenwich</name>"),
                  std::string::npos);
    }
}

// Stop during a shared run that hangs: the hung file fails as stopped about two seconds later,
// the files before it stay converted, none after it is touched, and nothing is left behind.
TEST_F(ConversionFaultTest, StopEndsASharedRunThatHangs) {
    testing::WriteFaultyEngine(m_home / "engine", {{"f15.gpx", "exec /bin/sleep 60"}});
    std::vector<std::string> names;
    for (int index = 10; index < 30; ++index) {
        names.push_back("f" + std::to_string(index) + ".gpx");
        WriteTextFile(m_home / ("src/" + names.back()), testing::SampleGpx);
    }
    ConversionSettings settings;
    ChooseConversion(settings);
    // A time limit well past Stop's grace, so that the stop ends the hang, not the limit.
    GpsBabelConfig config;
    config.timeLimit = std::chrono::seconds(60);
    HostConnection host(CreateGpsBabelHost(config));
    testing::RecordingSink sink(m_messages);
    sink.onStatus = [&](const std::string& status) {
        m_stop = m_stop || status == "Converting: f15";
    };
    ConvertCommand command({RunCommand::ConvertAll, settings, names, {&host}, {}}, sink);
    const RunTotals& totals = command.RunToEnd([this] { return m_stop; });

    EXPECT_EQ(sink.statuses.back(), "Converted 5 files. NOT CONVERTED = 1");
    EXPECT_EQ(sink.outcomes.back().reason, "stopped");
    EXPECT_EQ(totals.resumeAt, 5);
    EXPECT_EQ(TargetFiles().size(), 6u) << "f10 to f14, and the older b.kml";
}

// The target folder on a small file system of its own, where the system lets the test mount
// one (it needs the administrator's rights).
class FullDiskTest : public ConversionFaultTest {
protected:
    void SetUp() override {
        const std::string mount =
            "/bin/mount -t tmpfs -o size=64k tolk-test '" + m_home / "out" + "' 2>/dev/null";
        if (std::system(mount.c_str()) != 0) {
            GTEST_SKIP() << "mounting a small file system is not allowed here";
        }
        m_mounted = true;
        WriteTextFile(m_home / "out/b.kml", "the old b");
    }
    void TearDown() override {
        if (m_mounted) {
            EXPECT_EQ(std::system(("/bin/umount '" + m_home / "out" + "'").c_str()), 0);
        }
    }

    bool m_mounted = false;
};

// The engine does not notice a full disk: it ends successfully with its output cut short. A
// full disk ends the run, after the files begun; the file it kept from beginning counts among
// those not converted.
TEST_F(FullDiskTest, ACutShortTargetNeverReplacesTheOlderOne) {
    EXPECT_EQ(ConvertAllInTheWindow(), "Converted 1 files. NOT CONVERTED = 2");
    EXPECT_EQ(m_messages.shown,
              Lines{"error: Unable to write to " + m_home / "out/b.kml" + ": Disk full."});
    ExpectNothingLost({"a.kml", "b.kml"});
}

} // namespace
} // namespace tolk
