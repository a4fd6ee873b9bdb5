#include "BatchProcess.h"
#include "GpsSamples.h"
#include "ProgramRun.h"
#include "StandInEngine.h"
#include "TempHome.h"
#include "TextFiles.h"

#include <QThread>
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>

namespace tolk {
namespace {

namespace fs = std::filesystem;
using testing::Finished;
using testing::ReadTextFile;
using testing::RunBatch;
using testing::WriteTextFile;

class BatchCommandTest : public ::testing::Test {
protected:
    BatchCommandTest() {
        WriteTextFile(m_home / "src/a.gpx", testing::SampleGpx);
        WriteTextFile(m_home / "src/a.csv", testing::SampleCsv);
        WriteTextFile(m_home / "src/b.gpx", testing::CorruptGpx);
        WriteTextFile(m_home / "src/c d.gpx", testing::SampleGpx);
        fs::create_directories(m_home / "out");
    }
    // The window's settings file, with the source and target folders in the test's home.
    void WriteSettings(const std::string& types) const {
        WriteTextFile(m_settingsFile, "[GENERAL]\r\nSourceFldr=" + m_home / "src" +
                                          "\r\nTargetFldr=" + m_home / "out" + "\r\n" + types +
                                          "WBounds=0 0 478 400\r\n");
    }
    QString Home(const std::string& relative) const {
        return QString::fromStdString(m_home / relative);
    }
    // The files a user sees: hidden ones (this program's records) left out.
    static std::vector<std::string> FilesIn(const std::string& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (!entry.path().filename().string().starts_with(".")) {
                names.push_back(entry.path().filename().string());
            }
        }
        std::ranges::sort(names);
        return names;
    }

    testing::TempHome m_home;
    const std::string m_settingsFile = m_home / ".local/share/Orvane/TOLK/tolkconv.ini";
};

TEST_F(BatchCommandTest, OptionsGoOverTheSettingsWhichAreWrittenOnlyWithSave) {
    WriteSettings("SourceExt=gpx\r\nTargetExt=txt\r\nMergeExt=csv\r\nGrid=\r\n");
    const std::string before = ReadTextFile(m_settingsFile);

    const Finished run = RunBatch({"--target-type", "kml", "--merge-type", ""});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Converted: a\nCould NOT convert: b\nConverted: c d\n"
                       "Converted 2 files. NOT CONVERTED = 1\n");
    EXPECT_EQ(run.err.rfind("b.gpx: ", 0), 0u) << "the reason b failed";
    EXPECT_EQ(std::ranges::count(run.err, '\n'), 1);
    EXPECT_EQ(FilesIn(m_home / "out"), (std::vector<std::string>{"a.kml", "c d.kml"}));
    EXPECT_EQ(ReadTextFile(m_settingsFile), before);

    EXPECT_EQ(RunBatch({"--target-type", "kml", "--merge-type", "", "--save"}).status, 1);
    const std::string saved = ReadTextFile(m_settingsFile);
    EXPECT_NE(saved.find("TargetExt=kml"), std::string::npos);
    EXPECT_NE(saved.find("MergeExt=\r\n"), std::string::npos);
    EXPECT_NE(saved.find("SourceFldr=" + m_home / "src"), std::string::npos);
    // The host is pointed at the window program, never at the command without a window.
    EXPECT_NE(ReadTextFile(m_home / "var/lib/tolkconv/TOLK.conf").find("/tolkconv\n"),
              std::string::npos);
}

TEST_F(BatchCommandTest, ListTypesShowsTheFormatsFoundAndTheOnesChosenForTheRun) {
    WriteTextFile(m_home / ".local/share/Orvane/TOLK/hostformats.ini", "[FORMATS]\nadb=kml\n");
    const Finished run = RunBatch({"--list-types", "--engine-format", "bln=gpx"});
    EXPECT_EQ(run.status, 0) << run.err;
    const auto row = [&run](const std::string& type) {
        const auto start = run.out.find("\n" + type + " ");
        return start == std::string::npos
                   ? ""
                   : run.out.substr(start + 1, run.out.find('\n', start + 1) - start - 1);
    };
    EXPECT_EQ(row("gpx").substr(0, 9), "gpx      ");
    EXPECT_NE(row("gpx").find(" gpx"), std::string::npos);
    EXPECT_EQ(row("adb"), "adb      kml                      kml");
    EXPECT_EQ(row("bln"), "bln      gpx                      gpx");
}

// Queries answer from what is there: they make no folder, register nothing, keep no cache.
TEST_F(BatchCommandTest, QueriesCreateNothing) {
    const auto everything = [this] {
        std::vector<std::string> paths;
        for (const auto& entry : fs::recursive_directory_iterator(m_home.Path())) {
            paths.push_back(entry.path().string());
        }
        std::ranges::sort(paths);
        return paths;
    };
    const std::vector<std::string> before = everything();
    for (const char* query : {"--list-types", "--list-datums", "--list-grids", "--help"}) {
        const Finished run = RunBatch({QString::fromLatin1(query)});
        EXPECT_EQ(run.status, 0) << query << run.err;
        EXPECT_GT(std::ranges::count(run.out, '\n'), 5) << query;
    }
    EXPECT_EQ(everything(), before);
}

TEST_F(BatchCommandTest, MissingMergeFilesAreListedAfterTheSummary) {
    WriteSettings("SourceExt=gpx\r\nTargetExt=kml\r\nMergeExt=csv\r\nGrid=LAT LON DMS\r\n");
    const Finished run = RunBatch({});
    EXPECT_EQ(run.status, 1);
    // b.gpx is not valid GPX: its reason stands under its line, before the summary's list.
    EXPECT_EQ(run.err.rfind("b.gpx: ", 0), 0u) << run.err;
    EXPECT_TRUE(run.err.ends_with("\nUnable to find files to merge:\nb.csv\nc d.csv\n")) << run.err;
    EXPECT_NE(ReadTextFile(m_home / "out/a.kml").find("<name>Mill</name>"), std::string::npos);
}

TEST_F(BatchCommandTest, ChecksRefuseAndConvertNothing) {
    WriteSettings("SourceExt=gpx\r\nTargetExt=kml\r\n");
    const std::string settings = ReadTextFile(m_settingsFile);
    Finished run = RunBatch({"--target-type", "gpx", "--save"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "Cannot Convert:\nSource and Target types are the same\n");
    EXPECT_EQ(ReadTextFile(m_settingsFile), settings);

    run = RunBatch({"--target-folder", Home("new")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "Target folder\n" + m_home / "new" +
                           "\ndoes not exist. Create it?\nNo: standard input is not a terminal "
                           "(--create-target answers Yes).\ntolkconv-batch: Nothing converted.\n");
    EXPECT_FALSE(fs::exists(m_home / "new"));

    run = RunBatch({"--target-folder", Home("new/deeper"), "--create-target"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "Unable to create target folder " + m_home / "new/deeper" +
                           ": its parent folder does not exist (only one folder is created)\n"
                           "tolkconv-batch: Nothing converted.\n");
    EXPECT_FALSE(fs::exists(m_home / "new"));
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(FilesIn(m_home / "out").empty());

    run = RunBatch({"--target-folder", Home("new"), "--create-target"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(FilesIn(m_home / "new"), (std::vector<std::string>{"a.kml", "c d.kml"}));
}

TEST_F(BatchCommandTest, WhatATargetTypeCannotHoldIsSaidOrWithStrictFailsTheFile) {
    WriteSettings("SourceExt=gpx\r\nTargetExt=ov2\r\nMergeExt=\r\n");
    const Finished run = RunBatch({});
    EXPECT_EQ(run.out, "Converted: a\nCould NOT convert: b\nConverted: c d\n"
                       "Converted 2 files. NOT CONVERTED = 1\n"
                       "2 files kept only part of their data\n");
    EXPECT_NE(run.err.find("a.gpx: 2 track points and 2 route points not kept: the target type "
                           "holds waypoints only\n"),
              std::string::npos)
        << run.err;

    WriteTextFile(m_home / "out/a.ov2", "the old a");
    const Finished strict = RunBatch({"--strict"});
    EXPECT_EQ(strict.status, 1);
    EXPECT_EQ(strict.out.rfind("Could NOT convert: a\n", 0), 0u) << strict.out;
    EXPECT_NE(strict.err.find("a.gpx: 2 track points"), std::string::npos) << strict.err;
    EXPECT_EQ(ReadTextFile(m_home / "out/a.ov2"), "the old a");
}

TEST_F(BatchCommandTest, ExitStatusesTellAllFromSomeFromBadUsage) {
    WriteSettings("SourceExt=gpx\r\nTargetExt=kml\r\nMergeExt=\r\nGrid=\r\n");
    fs::remove(m_home / "src/b.gpx");
    EXPECT_EQ(RunBatch({}).status, 0);
    EXPECT_EQ(RunBatch({"--target-type", "KML", "--source-type", "GPX"}).status, 0); // any case

    const std::pair<QStringList, std::string> refused[] = {
        {{"--jobs", "-1"}, "tolkconv-batch: --jobs takes a whole number from 1 to 64"},
        {{"--frobnicate"}, "tolkconv-batch: Unknown option 'frobnicate'."},
        {{"--target-type", "kmx"}, "tolkconv-batch: Unknown target type 'kmx'."},
        {{"--datum", "WGS84"}, "tolkconv-batch: Unknown datum 'WGS84'."},
        {{"--grid", "Swiss"}, "tolkconv-batch: Unknown grid 'Swiss'."},
        {{"--source-type", "plt"}, "Cannot Convert:\nno gpsbabel format reads .plt files\n"},
        {{"--grid", "Maidenhead"}, "Cannot Convert:\ngpsbabel has no grid \"Maidenhead\"\n"},
        {{Home("no such folder")},
         "tolkconv-batch: Cannot read the source folder " + m_home / "no such folder" +
             ": File not found"},
    };
    for (const auto& [arguments, error] : refused) {
        const Finished run = RunBatch(arguments);
        EXPECT_EQ(run.status, 2) << error;
        EXPECT_EQ(run.err.substr(0, error.size()), error);
        EXPECT_EQ(run.out, "");
    }
    QProcessEnvironment noEngine = QProcessEnvironment::systemEnvironment();
    noEngine.insert(QStringLiteral("PATH"), Home("empty"));
    const Finished withoutEngine = RunBatch({}, noEngine);
    EXPECT_EQ(withoutEngine.status, 2);
    EXPECT_EQ(withoutEngine.err, "Unable to open interface to TOLK.\ntolkconv-batch: No working "
                                 "gpsbabel was found on PATH\n");

    const Finished version = RunBatch({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "tolkconv-batch 1.3\n");
}

TEST_F(BatchCommandTest, FourJobsGiveWhatOneJobGives) {
    for (int index = 0; index < 12; ++index) {
        WriteTextFile(m_home / ("src/t" + std::to_string(index) + ".gpx"),
                      index % 5 == 3 ? testing::CorruptGpx : testing::SampleGpx);
    }
    WriteSettings("SourceExt=gpx\r\nTargetExt=txt\r\nMergeExt=csv\r\nDatum=European 1950\r\n"
                  "Grid=Swiss Grid\r\n");
    const Finished one =
        RunBatch({"--jobs", "1", "--target-folder", Home("one"), "--create-target"});
    const Finished four =
        RunBatch({"--jobs", "4", "--target-folder", Home("four"), "--create-target"});

    EXPECT_EQ(one.status, 1);
    EXPECT_EQ(four.status, one.status);
    EXPECT_EQ(four.out, one.out);
    EXPECT_EQ(four.err, one.err);
    EXPECT_EQ(one.out.substr(0, 45), "Converted: a\nCould NOT convert: b\nConverted: ");
    EXPECT_EQ(one.err.rfind("b.gpx: ", 0), 0u); // the engine's reason under the file's name
    EXPECT_NE(one.err.find("\nt3.gpx: "), std::string::npos);
    ASSERT_EQ(FilesIn(m_home / "four"), FilesIn(m_home / "one"));
    EXPECT_EQ(FilesIn(m_home / "one").size(), 12u);
    for (const std::string& name : FilesIn(m_home / "one")) {
        EXPECT_EQ(ReadTextFile(m_home / ("four/" + name)), ReadTextFile(m_home / ("one/" + name)))
            << name;
    }
}

TEST_F(BatchCommandTest, OutputThatIsNoTerminalHoldsNoControlCharacters) {
    // A name holding a line break and an escape sequence stays on its one line.
    WriteTextFile(m_home / "src/e\x1b[2Jf\ng.gpx", testing::CorruptGpx);
    WriteSettings("SourceExt=gpx\r\nTargetExt=txt\r\nMergeExt=csv\r\n");
    const Finished run = RunBatch({"--jobs", "2"});
    EXPECT_NE(run.out.find("\nCould NOT convert: e?[2Jf?g\n"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("\ne?[2Jf?g.gpx: "), std::string::npos) << run.err;
    ASSERT_FALSE(run.out.empty());
    ASSERT_FALSE(run.err.empty());
    for (const std::string& text : {run.out, run.err}) {
        for (const char c : text) {
            EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\n')
                << "character " << static_cast<int>(c);
        }
    }
    const Finished quiet = RunBatch({"--quiet"});
    EXPECT_EQ(quiet.out, "Converted 2 files. NOT CONVERTED = 2\n");
    EXPECT_EQ(quiet.err, run.err);
}

// A crashing engine fails its file alone; Ctrl-C or a polite kill stops the run as Stop does:
// the hung file's engine is ended, every file begun is reported, then the summary.
TEST_F(BatchCommandTest, ACrashFailsItsFileAndASignalStopsTheRun) {
    WriteSettings("SourceExt=gpx\r\nTargetExt=kml\r\nMergeExt=\r\nGrid=\r\n");
    testing::WriteFaultyEngine(m_home / "engine", {{"a.gpx", "kill -SEGV $$"},
                                                   {"c d.gpx", "echo > '" + m_home / "hanging" +
                                                                   "'; exec /bin/sleep 60"}});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), Home("engine"));
    for (const auto& [signal, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        QProcess batch;
        batch.setProcessEnvironment(environment);
        batch.start(QStringLiteral(TOLK_BIN_DIR "/tolkconv-batch"), {"--jobs", "1"});
        fs::remove(m_home / "hanging");
        while (!fs::exists(m_home / "hanging") && !batch.waitForFinished(10)) {
        }
        ::kill(static_cast<pid_t>(batch.processId()), signal);
        ASSERT_TRUE(batch.waitForFinished(20000));
        const std::string out = batch.readAllStandardOutput().toStdString();
        const std::string err = batch.readAllStandardError().toStdString();

        EXPECT_EQ(batch.exitCode(), status);
        EXPECT_EQ(out, "Could NOT convert: a\nCould NOT convert: b\nCould NOT convert: c d\n"
                       "Converted 0 files. NOT CONVERTED = 3\n");
        EXPECT_EQ(err.rfind("a.gpx: gpsbabel stopped unexpectedly", 0), 0u) << err;
        EXPECT_TRUE(err.ends_with("\nc d.gpx: stopped\n")) << err;
        EXPECT_TRUE(FilesIn(m_home / "out").empty());
    }
}

// A command killed outright cannot end its engine itself: the engine dies with it all the same,
// whichever job started it.
TEST_F(BatchCommandTest, AKilledCommandLeavesNoEngineRunning) {
    WriteSettings("SourceExt=gpx\r\nTargetExt=kml\r\nMergeExt=\r\nGrid=\r\n");
    const std::string hanging = m_home / "hanging";
    testing::WriteFaultyEngine(m_home / "engine",
                               {{"c d.gpx", "echo $$ > '" + hanging + "'; exec /bin/sleep 60"}});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), Home("engine"));
    QProcess batch;
    batch.setProcessEnvironment(environment);
    batch.start(QStringLiteral(TOLK_BIN_DIR "/tolkconv-batch"), {"--jobs", "2"});
    while (testing::ReadTextFile(hanging).empty() && !batch.waitForFinished(10)) {
    }
    const pid_t engine = std::stoi(testing::ReadTextFile(hanging));
    ::kill(static_cast<pid_t>(batch.processId()), SIGKILL);
    ASSERT_TRUE(batch.waitForFinished(20000));

    // Gone, or a zombie left for whoever adopted it to reap: either way no longer running.
    const auto running = [engine] {
        const std::string stat = testing::ReadTextFile("/proc/" + std::to_string(engine) + "/stat");
        return !stat.empty() && stat.substr(stat.rfind(')') + 2, 1) != "Z";
    };
    for (int wait = 0; wait < 100 && running(); ++wait) {
        QThread::msleep(50);
    }
    EXPECT_FALSE(running()) << "the engine " << engine << " outlived its command";
}

} // namespace
} // namespace tolk
