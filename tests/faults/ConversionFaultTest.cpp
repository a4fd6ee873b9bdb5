#include "GpsSamples.h"
#include "MessageRecorder.h"
#include "RecordingView.h"
#include "StandInEngine.h"
#include "TempHome.h"
#include "TextFiles.h"
#include "app/Tmainfrm.h"
#include "convert/ConversionRun.h"
#include "host/GpsBabelHost.h"

#include <QLabel>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

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

    /// The stand-in engine runs the shell commands before converting b.gpx.
    void OnB(const std::string& commands) {
        testing::WriteStandInEngine(m_home / "engine", "case \"$*\" in *'/b.gpx '*) " + commands +
                                                           ";; esac\nexec '" +
                                                           testing::InstalledEngine() + "' \"$@\"");
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
        ProgramRecords records;
        Tmainfrm window(records, services);
        window.show();
        EXPECT_TRUE(window.Connected());
        m_messages.shown.clear();
        ChooseConversion(records.Settings);
        window.FileList().SetNames({"a.gpx", "b.gpx", "c.gpx"});
        window.FileList().SetCurrentIndex(0);
        window.findChild<QPushButton*>("convall")->click();
        return window.findChild<QLabel*>("statuslbl")->text().toStdString();
    }
    /// "Convert All" over the conversion run alone, which lets a test change the folders between
    /// files; returns the status texts.
    Lines ConvertAllWithTheRun(SourceFileList& files,
                               std::function<void(const std::string&)> onStatus = {}) {
        ConversionSettings settings;
        ChooseConversion(settings);
        HostConnection host(Factory()());
        testing::RecordingView view;
        view.onStatus = std::move(onStatus);
        ConversionRun(settings, host, files, view, m_messages).ConvertAll();
        return view.statuses;
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
};

struct EngineFault {
    const char* name;
    const char* commands; ///< what the stand-in does on b.gpx
    const char* report;   ///< the error report the user sees
};

void PrintTo(const EngineFault& fault, std::ostream* out) {
    *out << fault.name;
}

class EngineFaultTest : public ConversionFaultTest,
                        public ::testing::WithParamInterface<EngineFault> {};

// A failed engine run ends "Convert All" with the error report; the files converted before it
// stay converted, and the one it was writing keeps its older version.
TEST_P(EngineFaultTest, EndsTheCommandWithAReportAndLosesNothing) {
    OnB(GetParam().commands);
    EXPECT_EQ(ConvertAllInTheWindow(), "Converting: b");
    EXPECT_EQ(m_messages.shown, Lines{std::string("error: ") + GetParam().report});
    ExpectNothingLost({"a.kml", "b.kml"});
    EXPECT_NE(ReadTextFile(m_home / "out/a.kml").find("<name>Greenwich</name>"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, EngineFaultTest,
    ::testing::Values(
        EngineFault{"KilledMidConversion",
                    "for last; do :; done; echo 'half written' > \"$last\"; kill -KILL $$",
                    "gpsbabel stopped unexpectedly."},
        EngineFault{"Hanging", "exec /bin/sleep 60",
                    "gpsbabel did not finish within 2 seconds and was stopped."},
        // The engine may write at most 8 blocks; past that the system stops it, as the first
        // write to a full disk would fail.
        EngineFault{"FileSizeLimit", "ulimit -f 8", "gpsbabel stopped unexpectedly."}),
    [](const ::testing::TestParamInfo<EngineFault>& info) { return info.param.name; });

TEST_F(ConversionFaultTest, ATargetFolderRemovedDuringARunFailsTheRestAndIsNotMadeAgain) {
    SourceFileList files;
    files.SetNames({"a.gpx", "b.gpx", "c.gpx"});
    const Lines statuses = ConvertAllWithTheRun(files, [this](const std::string& status) {
        if (status == "Converting: b") {
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

// The engine does not notice a full disk: it ends successfully with its output cut short.
TEST_F(FullDiskTest, ACutShortTargetNeverReplacesTheOlderOne) {
    EXPECT_EQ(ConvertAllInTheWindow(), "Converting: b");
    EXPECT_EQ(m_messages.shown,
              Lines{"error: Unable to write to " + m_home / "out/b.kml" + ": Disk full."});
    ExpectNothingLost({"a.kml", "b.kml"});
}

} // namespace
} // namespace tolk
