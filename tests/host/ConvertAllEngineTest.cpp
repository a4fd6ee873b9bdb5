#include "ConvertAllNow.h"
#include "GpsSamples.h"
#include "MessageRecorder.h"
#include "TempHome.h"
#include "TextFiles.h"
#include "WindowRun.h"
#include "app/Tmainfrm.h"
#include "host/gpsbabel/GpsBabelHost.h"

#include <QLabel>
#include <QPushButton>
#include <deque>
#include <filesystem>
#include <gtest/gtest.h>

namespace tolk {
namespace {

using testing::ReadTextFile;
using testing::WriteTextFile;
using Lines = std::vector<std::string>;

// The conversion commands over the real host and the installed engine.
class ConvertAllEngineTest : public ::testing::Test {
protected:
    ConvertAllEngineTest() {
        WriteTextFile(m_home / "src/a.gpx", testing::SampleGpx);
        WriteTextFile(m_home / "src/a.csv", testing::SampleCsv);
        WriteTextFile(m_home / "src/b.gpx", testing::CorruptGpx);
        WriteTextFile(m_home / "src/c d.gpx", testing::SampleGpx);
        WriteTextFile(m_home / "out/b.kml", "the old b");
    }
    void ChooseConversion(ConversionSettings& settings) const {
        settings.SourceFldr = m_home / "src";
        settings.TargetFldr = m_home / "out";
        settings.SourceExt = "gpx";
        settings.MergeExt = "csv";
        settings.TargetExt = "kml";
        settings.Grid = "LAT LON D"; // KML holds degrees: no change it cannot carry
        settings.Datum = "WGS 84";
    }
    HostFactory Factory() const {
        return [] {
            GpsBabelConfig config;
            config.reference = ReferenceData({"WGS 84"}, {});
            return CreateGpsBabelHost(config);
        };
    }
    void ExpectConvertedFiles() const {
        EXPECT_TRUE(ReadTextFile(m_home / "out/a.kml").find("<name>Mill</name>") !=
                    std::string::npos);
        EXPECT_TRUE(ReadTextFile(m_home / "out/c d.kml").find("<name>Greenwich</name>") !=
                    std::string::npos);
        EXPECT_EQ(ReadTextFile(m_home / "out/b.kml"), "the old b");
    }

    testing::TempHome m_home;
    testing::MessageRecorder m_messages;
};

TEST_F(ConvertAllEngineTest, ConvertAllThroughTheRealWindow) {
    WriteTextFile(m_home / "bin/DATUMS.TXT", "M   WGS 84\r\n");
    WriteTextFile(m_home / "bin/GRIDS.TXT", "");
    AppServices services{m_messages, Factory(), m_home / "bin/tolkconv"};
    ProgramRecords records;
    Tmainfrm window(records, services);
    window.show();
    ASSERT_TRUE(window.Connected());
    EXPECT_TRUE(window.findChild<QLabel*>("connectlbl")
                    ->text()
                    .startsWith("Connected to: GPSBabel Version "));
    m_messages.shown.clear();
    ChooseConversion(records.Settings);
    window.FileList().SetNames({"a.gpx", "b.gpx", "c d.gpx"});
    window.FileList().SetCurrentIndex(0);

    testing::ClickAndWait(window, "convall");

    EXPECT_EQ(window.findChild<QLabel*>("statuslbl")->text(),
              "Converted 2 files. NOT CONVERTED = 1");
    EXPECT_EQ(m_messages.shown,
              (Lines{"message: Unable to find files to merge:\r\nb.csv\r\nc d.csv"}));
    ExpectConvertedFiles();
    const std::string log = ReadTextFile(records.WorkFolder + "/conversion.log");
    EXPECT_EQ(log.rfind("a.gpx\tConverted\t\nb.gpx\tNOT converted\t", 0), 0u) << log;
    EXPECT_NE(log.find("\nc d.gpx\tConverted\tc d.csv to merge was not found\n"), std::string::npos)
        << log;
}

TEST_F(ConvertAllEngineTest, WithoutAnEngineTheWindowOpensUnconnected) {
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", (m_home / "nothing").c_str());
    AppServices services{m_messages, Factory(), m_home / "bin/tolkconv"};
    ProgramRecords records;
    Tmainfrm window(records, services);
    window.show();
    qputenv("PATH", path);
    EXPECT_FALSE(records.Host.Present());
    EXPECT_FALSE(window.Connected());
    EXPECT_NE(std::ranges::find(m_messages.shown, "message: Unable to open interface to TOLK."),
              m_messages.shown.end());
}

// A corrupt file fails with its reason and the run goes on; whichever job takes a file, it comes
// out the same.
TEST_F(ConvertAllEngineTest, ACorruptFileIsReportedAndTheRunGoesOnOnEveryJobAlike) {
    ConversionSettings settings;
    ChooseConversion(settings);
    std::vector<Lines> said;
    for (const int jobs : {1, 2}) {
        std::deque<HostConnection> hosts;
        std::vector<HostConnection*> links;
        for (int job = 0; job < jobs; ++job) {
            links.push_back(&hosts.emplace_back(Factory()()));
        }
        testing::RecordingSink sink(m_messages);
        testing::ConvertAllNow(settings, {"a.gpx", "b.gpx", "c d.gpx"}, links, sink, m_messages);
        if (jobs == 1) {
            EXPECT_EQ(sink.statuses,
                      (Lines{"Converting: a", "Converted: a", "Converting: b",
                             "Could NOT convert: b", "Converting: c d", "Converted: c d",
                             "Converted 2 files. NOT CONVERTED = 1"}));
        }
        ExpectConvertedFiles();
        EXPECT_FALSE(sink.outcomes[1].reason.empty()) << "a failed file says why";
        Lines& outcomes = said.emplace_back();
        for (const FileOutcome& outcome : sink.outcomes) {
            outcomes.push_back(outcome.status + "|" + OutcomeNotes(outcome) + "|" +
                               std::to_string(outcome.messages.size()));
        }
    }
    EXPECT_EQ(said[0], said[1]);
}

} // namespace
} // namespace tolk
