#include "host/landing/PendingOutput.h"

#include "TextFiles.h"
#include "host/engine/HeldFolder.h"
#include "host/landing/OutputClaims.h"
#include "host/landing/OutputFolders.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <unistd.h>

namespace tolk {
namespace {

using Strings = std::vector<std::string>;
namespace fs = std::filesystem;

class PendingOutputTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const {
        return m_dir.filePath(QString::fromStdString(name)).toStdString();
    }
    Strings Names() const {
        Strings names;
        for (const auto& entry : fs::directory_iterator(m_dir.path().toStdString())) {
            names.push_back(entry.path().filename().string());
        }
        std::ranges::sort(names);
        return names;
    }
    /// Writes a file beside the temporary one, named like it with another extension.
    void WriteCompanion(const PendingOutput& output, const std::string& extension,
                        const std::string& content) {
        fs::path companion(output.TempPath());
        companion.replace_extension(extension);
        testing::WriteTextFile(companion.string(), content);
    }

    QTemporaryDir m_dir;
};

TEST_F(PendingOutputTest, OutputAndCompanionsMoveIntoPlaceReplacingOldOnes) {
    testing::WriteTextFile(Path("walk.shp"), "old");
    {
        PendingOutput output(Path("walk.shp"));
        ASSERT_TRUE(output.Ready());
        const fs::path outputFolder = fs::path(output.TempPath()).parent_path();
        EXPECT_EQ(outputFolder.parent_path(), fs::path(m_dir.path().toStdString()));
        EXPECT_TRUE(outputFolder.filename().string().starts_with("."));
        EXPECT_FALSE(output.HasContent());
        testing::WriteTextFile(output.TempPath(), "shapes");
        WriteCompanion(output, ".dbf", "table");
        EXPECT_TRUE(output.HasContent());
        EXPECT_TRUE(output.Commit({}));
    }
    EXPECT_EQ(Names(), (Strings{"walk.dbf", "walk.shp"}));
    EXPECT_EQ(testing::ReadTextFile(Path("walk.shp")), "shapes");
    EXPECT_EQ(testing::ReadTextFile(Path("walk.dbf")), "table");
}

TEST_F(PendingOutputTest, NothingMovesWhenAnyFileWouldReplaceAProtectedOne) {
    testing::WriteTextFile(Path("walk.wpt"), "input");
    {
        PendingOutput output(Path("walk.plt"));
        testing::WriteTextFile(output.TempPath(), "track");
        WriteCompanion(output, ".wpt", "waypoints");
        fs::create_symlink(Path("walk.wpt"), Path("link.wpt"));
        EXPECT_FALSE(output.Commit({Path("link.wpt")}));
    }
    EXPECT_EQ(Names(), (Strings{"link.wpt", "walk.wpt"}));
    EXPECT_EQ(testing::ReadTextFile(Path("walk.wpt")), "input");
}

TEST_F(PendingOutputTest, AFolderInTheTargetsPlaceIsKept) {
    fs::create_directory(Path("walk.kml"));
    {
        PendingOutput output(Path("walk.kml"));
        testing::WriteTextFile(output.TempPath(), "kml");
        EXPECT_FALSE(output.Commit({}));
    }
    EXPECT_EQ(Names(), (Strings{"walk.kml"}));
    EXPECT_TRUE(fs::is_directory(Path("walk.kml")));
}

// What a killed program left is removed by the next run; what a running one (this one) is
// writing, another machine's and anything else stays.
TEST_F(PendingOutputTest, OnlyTheTemporariesOfDeadProgramsAreRemoved) {
    std::optional<PendingOutput> live(std::in_place, Path("walk.kml"));
    const std::string liveName = fs::path(live->TempPath()).parent_path().filename().string();
    const std::string ownPid = "-" + std::to_string(getpid()) + "-";
    const auto named = [&](const std::string& pid) {
        std::string name = liveName;
        return name.replace(name.find(ownPid), ownPid.size(), "-" + pid + "-");
    };
    QProcess exited;
    exited.start(QStringLiteral("/bin/true"));
    ASSERT_TRUE(exited.waitForStarted());
    const std::string deadPid = std::to_string(exited.processId());
    ASSERT_TRUE(exited.waitForFinished());
    std::string otherMachine = named(deadPid);
    otherMachine.replace(otherMachine.find('-') + 1, 8, "zzzzzzzz");
    testing::WriteTextFile(Path(".tolk-x.kml"), "x");
    testing::WriteTextFile(Path("walk.gpx"), "x");
    for (const std::string& folder : {otherMachine, named(deadPid)}) {
        testing::WriteTextFile(Path(folder + "/1.kml"), "x");
    }
    Strings expected = {".tolk-x.kml", liveName, otherMachine, "walk.gpx"};
    std::ranges::sort(expected);

    RemoveDeadRunsTemporaries(m_dir.path().toStdString());
    EXPECT_EQ(Names(), expected);

    // This program's own that no output uses (left when it could not remove them) go too.
    testing::WriteTextFile(Path(named(std::to_string(getpid())) + "left/1.kml"), "x");
    RemoveDeadRunsTemporaries(m_dir.path().toStdString());
    EXPECT_EQ(Names(), expected);
    live.reset();
    std::erase(expected, liveName);
    EXPECT_EQ(Names(), expected) << "the output folder goes with its last output";
}

// A run in another PID namespace (a container, a sandbox) holds its output folder: the sweep
// keeps it, though its process number names no live process here, and removes it once the
// holder is gone.
TEST_F(PendingOutputTest, TheSweepKeepsALiveRunsFolderOfAnotherPidNamespace) {
    const std::string folder = ".tolk-" + MachineTag() + "-4194000-abcdef";
    fs::create_directory(Path(folder));
    QProcess holder;
    holder.start("unshare",
                 {"--user", "--map-root-user", "--pid", "--fork", "--kill-child", "flock",
                  QString::fromStdString(Path(folder)), "sh", "-c", "echo held; sleep 60"});
    if (!holder.waitForReadyRead(10000)) {
        GTEST_SKIP() << "no PID namespace may be made here: "
                     << holder.readAllStandardError().toStdString();
    }
    RemoveDeadRunsTemporaries(m_dir.path().toStdString());
    EXPECT_EQ(Names(), Strings{folder});
    holder.kill();
    holder.waitForFinished();
    // The holder dies with the command that started it, a moment later.
    for (int tries = 0; tries < 50 && !Names().empty(); ++tries) {
        QThread::msleep(50);
        RemoveDeadRunsTemporaries(m_dir.path().toStdString());
    }
    EXPECT_EQ(Names(), Strings{});
}

// An output's name is claimed for one source until the run ends, within the process and across
// processes while the claiming one lives.
TEST_F(PendingOutputTest, OutputNamesAreClaimedForOneSource) {
    const fs::path walk = Path("walk.trl");
    EXPECT_EQ(ClaimOutputs({walk}, "/in/walk.gpx"), std::nullopt);
    EXPECT_EQ(ClaimOutputs({walk}, "/in/walk.gpx"), std::nullopt) << "its own again";
    EXPECT_EQ(ClaimOutputs({Path("x.trl"), walk}, "/in/WALK.gpx"),
              "its output walk.trl is written from /in/walk.gpx in this run");
    EXPECT_TRUE(fs::equivalent(Path(".tolk-claims/x.trl"), Path(".tolk-claims/walk.trl")))
        << "the names are claimed under one file";
    DropClaims();
    EXPECT_EQ(ClaimOutputs({walk}, "/in/WALK.gpx"), std::nullopt) << "a new run";
    DropClaims();

    // Another process's claim, while its holder lives and after.
    const std::string holder = ".tolk-" + MachineTag() + "-4194001-abcdef";
    fs::create_directory(Path(holder));
    // Its claim file records each name it claims and the name's source after its holder's name.
    using std::string_literals::operator""s;
    testing::WriteTextFile(Path(".tolk-claims/walk.trl"),
                           holder + "\nother.trl\0/other/other.gpx\0walk.trl\0/other/walk.gpx\0"s);
    QProcess holding;
    holding.start("flock", {"--close", QString::fromStdString(Path(holder)), "sh", "-c",
                            "echo held; sleep 20"});
    ASSERT_TRUE(holding.waitForReadyRead(10000));
    EXPECT_EQ(ClaimOutputs({walk}, "/in/walk.gpx"),
              "its output walk.trl is written from /other/walk.gpx by another running conversion");
    holding.kill();
    holding.waitForFinished();
    EXPECT_EQ(ClaimOutputs({walk}, "/in/walk.gpx"), std::nullopt);
    DropClaims();
    // A killed program's claim of a name no one claims again goes with the next run's tidying.
    testing::WriteTextFile(Path(".tolk-claims/gone.trl"),
                           holder + "\ngone.trl\0/other/gone.gpx\0"s);
    RemoveDeadClaims(m_dir.path().toStdString());
    fs::remove(Path(holder));
    EXPECT_EQ(Names(), Strings{});
}

// Jobs writing to one target folder at once: each gets a hidden folder that is there while it
// holds its share, however their takings and leavings interleave, and the last share leaves
// none; of the jobs claiming one name for sources of their own, one gets it, and each gets the
// names only it claims.
TEST_F(PendingOutputTest, JobsAtOnceShareTheOutputFolderAndEachNameGoesToOneSource) {
    const fs::path target = m_dir.path().toStdString();
    std::atomic<int> missing = 0;
    std::atomic<int> clashes = 0;
    std::vector<std::unique_ptr<QThread>> jobs;
    for (int job = 0; job < 6; ++job) {
        jobs.emplace_back(QThread::create([&, job] {
            const std::string source = "/in/" + std::to_string(job) + ".gpx";
            for (int output = 0; output < 40; ++output) {
                const fs::path folder = ShareOutputFolder(target);
                missing += folder.empty() || !fs::is_directory(folder) ? 1 : 0;
                LeaveOutputFolder(target);
                const std::string own = std::to_string(job) + "-" + std::to_string(output);
                missing += ClaimOutputs({target / (own + ".trl")}, source) ? 1 : 0;
            }
            clashes += ClaimOutputs({target / "walk.trl"}, source) ? 1 : 0;
        }));
        jobs.back()->start();
    }
    for (const auto& job : jobs) {
        job->wait();
    }
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(clashes, 5);
    DropClaims();
    EXPECT_EQ(Names(), Strings{});
}

// Outputs move all or none: a companion whose name is too long for the file system leaves the
// older target as it was.
TEST_F(PendingOutputTest, ASetOfOutputsMovesAllOrNone) {
    testing::WriteTextFile(Path("walk.trl"), "old");
    {
        PendingOutput target(Path("walk.trl"));
        PendingOutput fine(Path("walk-track2.trl"));
        PendingOutput tooLong(Path(std::string(300, 'w') + "-track3.trl"));
        for (const PendingOutput* output : {&target, &fine, &tooLong}) {
            testing::WriteTextFile(output->TempPath(), "new");
        }
        EXPECT_FALSE(CommitOutputs({&target, &fine, &tooLong}, {}));
    }
    EXPECT_EQ(Names(), Strings{"walk.trl"});
    EXPECT_EQ(testing::ReadTextFile(Path("walk.trl")), "old");
}

} // namespace
} // namespace tolk
