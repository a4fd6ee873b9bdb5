#include "ConvertFiles.h"
#include "GpsSamples.h"
#include "StandInEngine.h"
#include "TextFiles.h"
#include "core/TolkError.h"
#include "host/gpsbabel/GpsBabelHost.h"

#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <stop_token>

namespace tolk {
namespace {

using testing::ReadTextFile;
using testing::WriteTextFile;
namespace fs = std::filesystem;

// Stand-in engines on a PATH of the test's own: each answers the version and format-list
// questions through the installed engine and misbehaves on a conversion as told.
class EngineFailureTest : public ::testing::Test {
protected:
    EngineFailureTest() {
        WriteTextFile(Path("walk.gpx"), testing::SampleGpx);
        WriteTextFile(Path("walk.kml"), "the old target");
    }

    std::string Path(const std::string& name) const {
        return m_dir.path().toStdString() + "/" + name;
    }
    /// Puts a stand-in "gpsbabel" into the folder; conversion runs the given shell commands.
    void MakeEngine(const std::string& folder, const std::string& onConversion) {
        testing::WriteStandInEngine(Path(folder), onConversion);
    }
    void UsePath(const std::string& folders) { m_path.emplace(folders); }
    std::unique_ptr<HostLink> CreateHost() {
        GpsBabelConfig config;
        config.timeLimit = std::chrono::seconds(2);
        return CreateGpsBabelHost(config);
    }
    HostStatus ConvertWalk(HostLink& host, std::int32_t& result) {
        EXPECT_FALSE(host.OpenFile(Path("walk.gpx"), result).Failed());
        EXPECT_EQ(result, 0);
        return host.SaveFileAs(Path("walk.kml"), result);
    }
    /// Converts walk.gpx to walk.kml with the only engine on PATH running the shell commands.
    HostStatus ConvertWalkWith(const std::string& onConversion, std::int32_t& result) {
        MakeEngine("engine", onConversion);
        UsePath(Path("engine"));
        return ConvertWalk(*CreateHost(), result);
    }

    QTemporaryDir m_dir;
    std::optional<testing::EnginePath> m_path;
};

TEST_F(EngineFailureTest, NoEngineOnPathMeansNoHost) {
    fs::create_directories(Path("empty"));
    UsePath(Path("empty"));
    EXPECT_THROW(CreateHost(), TolkError);
    // An engine that cannot tell its version does not count either.
    fs::create_directories(Path("broken"));
    WriteTextFile(Path("broken/gpsbabel"), "#!/bin/sh\nexit 1\n");
    fs::permissions(Path("broken/gpsbabel"), fs::perms::owner_all);
    UsePath(Path("broken") + ":" + Path("empty"));
    EXPECT_THROW(CreateHost(), TolkError);
}

TEST_F(EngineFailureTest, TheFirstWorkingEngineAlongPathIsUsed) {
    fs::create_directories(Path("broken"));
    WriteTextFile(Path("broken/gpsbabel"), "#!/bin/sh\necho nonsense\n");
    fs::permissions(Path("broken/gpsbabel"), fs::perms::owner_all);
    MakeEngine("good", "echo ran > '" + Path("ran") + "'; exec '" + testing::InstalledEngine() +
                           "' \"$@\"");
    UsePath(":" + Path("broken") + "::" + Path("good"));
    auto host = CreateHost();
    std::int32_t result = -1;
    EXPECT_FALSE(ConvertWalk(*host, result).Failed());
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadTextFile(Path("ran")), "ran\n");
}

// Each file is an engine run of its own: a hung or crashed run fails that file, with what the
// engine said, and says nothing of the next file.
TEST_F(EngineFailureTest, AHungEngineIsStoppedAndTheFileFails) {
    std::int32_t result = -1;
    MakeEngine("engine", "echo 'waiting for a device' >&2\nexec /bin/sleep 60");
    UsePath(Path("engine"));
    const auto host = CreateHost();
    const auto started = std::chrono::steady_clock::now();
    const HostStatus status = ConvertWalk(*host, result);
    EXPECT_FALSE(status.Failed());
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
    EXPECT_EQ(result, GpsBabelHost::EngineFailed);
    EXPECT_EQ(status.reason,
              "gpsbabel did not finish within 2 seconds and was stopped: waiting for a device");
    EXPECT_EQ(ReadTextFile(Path("walk.kml")), "the old target");
}

// A stop requested just before the file's first call ends its engine run at once (no call of
// the run takes it back, and the time limit would end it otherwise); calls made after the run
// are not affected.
TEST_F(EngineFailureTest, AStopRequestedAsTheFileBeginsFailsItAsStopped) {
    MakeEngine("engine", "case \"$*\" in *walk.gpx*) exec /bin/sleep 60;; esac\nexec '" +
                             testing::InstalledEngine() + "' \"$@\"");
    UsePath(Path("engine"));
    HostConnection host(CreateHost());
    ConversionSettings settings;
    settings.SourceFldr = settings.TargetFldr = m_dir.path().toStdString();
    settings.SourceExt = "gpx";
    settings.TargetExt = "kml";
    std::stop_source stop;
    stop.request_stop();
    const std::vector<FileOutcome> outcomes =
        testing::ConvertTogether(settings, host, {"walk.gpx"}, MergeIndex(), stop.get_token());
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes.front().status, "Could NOT convert: walk");
    EXPECT_EQ(outcomes.front().reason, "stopped");
    EXPECT_EQ(ReadTextFile(Path("walk.kml")), "the old target");

    fs::copy_file(Path("walk.gpx"), Path("lake.gpx"));
    EXPECT_EQ(host.OpenFile(Path("lake.gpx")), 0);
    EXPECT_EQ(host.SaveFileAs(Path("lake.kml")), 0);
}

// A file whose candidate readers are all read (its first reader's read is not believable) reads
// them side by side on the run's spare engines, never more at once than those and its own, and
// gives them back; the reader chosen, and so the output, is that of reading them one by one.
TEST_F(EngineFailureTest, CandidateReadersReadSideBySideOnlyOnSpareEngines) {
    WriteTextFile(Path("log.csv"), "time,lat,lon\n,(deg),(deg)\n2026-05-01T08:00:00Z,47.1,8.2\n"
                                   "2026-05-01T08:01:00Z,47.2,8.3\n");
    // Each conversion notes how many conversions are going as it ends its wait (PATH holds the
    // stand-in alone).
    const std::string running = Path("running");
    fs::create_directories(running);
    MakeEngine("engine", ": > '" + running + "/'$$; /bin/sleep 0.3; (set -- '" + running +
                             "'/*; echo $#) >> '" + Path("at-once") + "'; /bin/rm '" + running +
                             "/'$$\nexec '" + testing::InstalledEngine() + "' \"$@\"");
    UsePath(Path("engine"));
    ConversionSettings settings;
    settings.SourceFldr = settings.TargetFldr = m_dir.path().toStdString();
    settings.SourceExt = "csv";
    settings.TargetExt = "kml";
    std::vector<std::string> outputs;
    for (const int spare : {0, 2}) {
        SCOPED_TRACE(spare);
        fs::remove(Path("at-once"));
        SpareEngines engines;
        engines.Add(spare);
        HostConnection host(CreateHost());
        const std::vector<FileOutcome> outcomes =
            testing::ConvertTogether(settings, host, {"log.csv"}, MergeIndex(), {}, &engines);
        ASSERT_EQ(outcomes.size(), 1u);
        EXPECT_EQ(outcomes.front().status, "Converted: log") << outcomes.front().reason;
        // Without the line that tells when it was written.
        std::string kml = ReadTextFile(Path("log.kml"));
        const auto written = kml.find("<snippet>");
        outputs.push_back(outcomes.front().reason +
                          kml.erase(written, kml.find('\n', written) - written));
        int most = 0;
        std::istringstream counts(ReadTextFile(Path("at-once")));
        for (int count = 0; counts >> count;) {
            most = std::max(most, count);
        }
        EXPECT_EQ(most > 1, spare > 0) << ReadTextFile(Path("at-once"));
        EXPECT_LE(most, 1 + spare);
        EXPECT_EQ(engines.Count(), spare) << "every engine given back";
    }
    EXPECT_EQ(outputs.front(), outputs.back());
}

// A job's engines take its share of the memory budget, also when its host is made alone.
TEST_F(EngineFailureTest, EachJobsEnginesTakeItsShareOfTheMemoryBudget) {
    MakeEngine("engine", "ulimit -v > '" + Path("limit") + "'\nexec '" +
                             testing::InstalledEngine() + "' \"$@\"");
    UsePath(Path("engine"));
    for (const auto& [jobs, limitKiB] : {std::pair(1, "409600\n"), std::pair(4, "102400\n")}) {
        GpsBabelConfig config;
        config.memoryBudgetMb = 400;
        config.jobs = jobs;
        std::int32_t result = -1;
        ConvertWalk(*CreateGpsBabelHost(config), result);
        EXPECT_EQ(ReadTextFile(Path("limit")), limitKiB) << jobs << " jobs";
    }
}

TEST_F(EngineFailureTest, ACrashedEngineFailsTheFileWithWhatItSaid) {
    std::int32_t result = -1;
    MakeEngine("engine", "for last; do :; done\n"
                         "echo 'half written' > \"$last\"\n"
                         "echo 'internal error' >&2\n"
                         "kill -SEGV $$");
    UsePath(Path("engine"));
    const auto host = CreateHost();
    const HostStatus status = ConvertWalk(*host, result);
    EXPECT_FALSE(status.Failed());
    EXPECT_EQ(result, GpsBabelHost::EngineFailed);
    EXPECT_EQ(status.reason, "gpsbabel stopped unexpectedly: internal error");
    EXPECT_EQ(ReadTextFile(Path("walk.kml")), "the old target");
    EXPECT_EQ(
        std::distance(fs::directory_iterator(m_dir.path().toStdString()), fs::directory_iterator()),
        3); // walk.gpx, walk.kml and the engine's folder: the half-written file is gone
}

TEST_F(EngineFailureTest, AnEngineThatWritesNothingFailsTheConversion) {
    std::int32_t result = -1;
    EXPECT_FALSE(ConvertWalkWith("exit 0", result).Failed());
    EXPECT_EQ(result, GpsBabelHost::NothingWritten);
    EXPECT_EQ(ReadTextFile(Path("walk.kml")), "the old target");
}

TEST_F(EngineFailureTest, AnEngineThatCannotStartFailsTheCall) {
    MakeEngine("engine", "");
    UsePath(Path("engine"));
    auto host = CreateHost();
    fs::remove(Path("engine/gpsbabel"));
    std::int32_t result = -1;
    const HostStatus status = ConvertWalk(*host, result);
    EXPECT_TRUE(status.Failed());
    EXPECT_TRUE(status.description.starts_with("gpsbabel could not be started"))
        << status.description;
}

} // namespace
} // namespace tolk
