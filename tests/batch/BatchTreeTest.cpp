// Whole archives with the built command over the installed engine: trees, reruns that convert
// only what changed, slices for several machines, and a watched folder.
#include "BatchProcess.h"
#include "GpsSamples.h"
#include "StandInEngine.h"
#include "TempHome.h"
#include "TextFiles.h"

#include <QThread>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tolk {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Names = std::vector<std::string>;
using testing::RunBatch;
using testing::SampleCsv;
using testing::SampleGpx;

class BatchTreeTest : public ::testing::Test {
protected:
    std::string Source(const std::string& relative) const { return m_home / ("src/" + relative); }
    void Write(const std::string& relative, const char* content = SampleGpx) const {
        testing::WriteTextFile(Source(relative), content);
    }
    // GPX from the source folder, and its tree with --recursive, to KML in the target folder.
    QStringList Arguments(const std::string& target, const QStringList& more) const {
        return QStringList{QString::fromStdString(Source("")),
                           "--source-type",
                           "gpx",
                           "--target-type",
                           "kml",
                           "--merge-type",
                           "csv",
                           "--grid",
                           "",
                           "--datum",
                           "",
                           "--target-folder",
                           QString::fromStdString(target),
                           "--create-target"} +
               more;
    }
    // The files a user sees below the folder: hidden ones (this program's records) left out.
    static Names FilesBelow(const std::string& folder) {
        Names names;
        for (auto entry = fs::recursive_directory_iterator(folder);
             entry != fs::recursive_directory_iterator(); ++entry) {
            if (entry->path().filename().string().starts_with(".")) {
                entry.disable_recursion_pending();
            } else if (!entry->is_directory()) {
                names.push_back(fs::relative(entry->path(), folder).string());
            }
        }
        std::ranges::sort(names);
        return names;
    }

    testing::TempHome m_home;
};

TEST_F(BatchTreeTest, RecursiveMirrorsTheTreeAndGoesOnPastWhatItCannotRead) {
    Write("a.gpx");
    Write("2024/trip/b.gpx");
    Write("2024/trip/B.csv", SampleCsv); // merged from beside its file
    Write("2024.v2/c.gpx");
    Write(".hidden/h.gpx");
    Write("locked/l.gpx");
    Write("x/f.gpx");
    Write("out/old.gpx"); // the target folder, inside the source folder
    testing::WriteTextFile(Source("out/x"), "a file where a folder is needed");
    fs::create_directory_symlink("..", Source("2024/up"));
    fs::permissions(Source("locked"), fs::perms::none);
    // The administrator reads every folder; without these powers, the folder refuses it too.
    const QStringList asUser =
        geteuid() == 0 ? QStringList{"setpriv", "--bounding-set", "-dac_override,-dac_read_search"}
                       : QStringList{};

    const testing::Finished run = RunBatch(Arguments(Source("out"), {"--recursive"}),
                                           QProcessEnvironment::systemEnvironment(), asUser);
    fs::permissions(Source("locked"), fs::perms::owner_all);

    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Converted: 2024/trip/b\nConverted: 2024.v2/c\nConverted: a\n"
                       "Could NOT convert: x/f\nConverted 3 files. NOT CONVERTED = 1\n");
    for (const std::string& said :
         Names{"Cannot read the folder locked below the source folder (File access denied); its "
               "files are left out.\n",
               "Unable to create target folder " + Source("out/x") + ": ",
               "\nx/f.gpx: ", "Unable to find files to merge:\n2024.v2/c.csv\na.csv\nx/f.csv\n"}) {
        EXPECT_NE(run.err.find(said), std::string::npos) << said << " in " << run.err;
    }
    EXPECT_EQ(FilesBelow(Source("out")),
              (Names{"2024.v2/c.kml", "2024/trip/b.kml", "a.kml", "old.gpx", "x"}));
    EXPECT_NE(testing::ReadTextFile(Source("out/2024/trip/b.kml")).find("Mill"), std::string::npos);
}

TEST_F(BatchTreeTest, OnlyNewerConvertsWhatChangedSinceItsTarget) {
    for (const char* name : {"a.gpx", "sub/b.gpx", "sub/c.gpx"}) {
        Write(name);
    }
    Write("sub/b.csv", SampleCsv);
    const QStringList onlyNewer = Arguments(m_home / "out", {"--recursive", "--only-newer"});
    ASSERT_EQ(RunBatch(onlyNewer).out,
              "Converted: a\nConverted: sub/b\nConverted: sub/c\nConverted 3 files.\n");

    testing::Finished again = RunBatch(onlyNewer);
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, "Converted 0 files.\nSkipped 3 files already up to date\n");

    const auto later = fs::file_time_type::clock::now() + 1min;
    fs::last_write_time(Source("a.gpx"), later);
    fs::last_write_time(Source("sub/b.csv"), later); // the merge file counts too
    again = RunBatch(onlyNewer);
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, "Converted: a\nConverted: sub/b\nConverted 2 files.\n"
                         "Skipped 1 file already up to date\n");
}

// Beyond write times: a merge partner gone, an older file moved over the source, a companion
// gone (a shapefile's tracks, beside its waypoints) each make the target out of date.
TEST_F(BatchTreeTest, OnlyNewerSeesWhatTimesAloneDoNotTell) {
    Write("a.gpx");
    Write("b.gpx");
    Write("b.csv", SampleCsv);
    const QStringList onlyNewer = Arguments(m_home / "out", {"--only-newer"});
    ASSERT_EQ(RunBatch(onlyNewer).out, "Converted: a\nConverted: b\nConverted 2 files.\n");
    fs::remove(Source("b.csv"));
    testing::WriteTextFile(m_home / "older.gpx", SampleGpx);
    fs::last_write_time(m_home / "older.gpx", fs::file_time_type::clock::now() - 24h);
    fs::rename(m_home / "older.gpx", Source("a.gpx"));
    EXPECT_EQ(RunBatch(onlyNewer).out, "Converted: a\nConverted: b\nConverted 2 files.\n");
    EXPECT_EQ(RunBatch(onlyNewer).out, "Converted 0 files.\nSkipped 2 files already up to date\n");

    QStringList toShapes = Arguments(m_home / "shp", {"--only-newer"});
    toShapes[toShapes.indexOf("kml")] = "shp";
    ASSERT_EQ(RunBatch(toShapes).out, "Converted: a\nConverted: b\nConverted 2 files.\n");
    ASSERT_TRUE(fs::exists(m_home / "shp/a-tracks.shp"));
    fs::remove(m_home / "shp/a-tracks.shp");
    EXPECT_EQ(RunBatch(toShapes).out,
              "Converted: a\nConverted 1 files.\nSkipped 1 file already up to date\n");
    EXPECT_TRUE(fs::exists(m_home / "shp/a-tracks.shp"));
}

// Twins whose names differ only in letter case each convert, by their own names.
TEST_F(BatchTreeTest, CaseTwinsEachConvert) {
    Write("F1.GPX");
    Write("f1.gpx");
    const testing::Finished run = RunBatch(Arguments(m_home / "out", {}));
    EXPECT_EQ(run.out, "Converted: F1\nConverted: f1\nConverted 2 files.\n") << run.err;
    EXPECT_EQ(FilesBelow(m_home / "out"), (Names{"F1.kml", "f1.kml"}));
}

TEST_F(BatchTreeTest, ShardsTogetherConvertEachFileOnce) {
    Names expected;
    for (int file = 0; file < 24; ++file) {
        const std::string name = "year " + std::to_string(file % 4) + "/t" + std::to_string(file);
        Write(name + ".gpx");
        expected.push_back(name + ".kml");
    }
    std::ranges::sort(expected);
    Names converted;
    for (const char* shard : {"1/3", "2/3", "3/3"}) {
        const std::string target = m_home / (std::string("out") + shard[0]);
        const testing::Finished run =
            RunBatch(Arguments(target, {"--recursive", "--shard", shard, "--quiet"}));
        EXPECT_EQ(run.status, 0) << run.err;
        const Names files = FilesBelow(target);
        EXPECT_LT(files.size(), expected.size()) << "shard " << shard << " took every file";
        converted.insert(converted.end(), files.begin(), files.end());
    }
    std::ranges::sort(converted);
    EXPECT_EQ(converted, expected);
}

// How many times the output holds the text.
std::size_t CountOf(const std::string& text, const std::string& output) {
    std::size_t count = 0;
    for (auto at = output.find(text); at != std::string::npos; at = output.find(text, at + 1)) {
        ++count;
    }
    return count;
}

class BatchWatchTest : public BatchTreeTest {
protected:
    // Starts watching and returns once the watch has begun.
    // Starts watching and returns once the watch has begun; with a prefix, that command runs it.
    void StartWatch(const QStringList& more = {}, const QStringList& prefix = {}) {
        fs::create_directories(Source(""));
        const QStringList command =
            prefix + QStringList{testing::BatchProgram()} +
            Arguments(m_home / "out", QStringList{"--watch", "--recursive"} + more);
        m_watch.start(command.front(), command.mid(1));
        m_watch.closeWriteChannel();
        while (m_watch.state() != QProcess::NotRunning && m_err.find("Watching") == m_err.npos) {
            m_watch.waitForReadyRead(100);
            m_err += m_watch.readAllStandardError().toStdString();
        }
    }
    bool Shows(const std::string& text) { return testing::WaitForOutput(m_watch, m_out, text); }
    // Whether the output comes to hold the text that many times.
    bool ShowsTimes(const std::string& text, std::size_t times) {
        for (int wait = 0; wait < 300 && CountOf(text, m_out) < times; ++wait) {
            m_watch.waitForReadyRead(100);
            m_out += m_watch.readAllStandardOutput().toStdString();
        }
        return CountOf(text, m_out) >= times;
    }
    int Ended() {
        EXPECT_TRUE(m_watch.waitForFinished(30000));
        m_out += m_watch.readAllStandardOutput().toStdString();
        m_err += m_watch.readAllStandardError().toStdString();
        return m_watch.exitCode();
    }

    QProcess m_watch;
    std::string m_out;
    std::string m_err;
};

TEST_F(BatchWatchTest, ConvertsEachFileOnceItIsWholeAndEndsOnSigterm) {
    Write("old.gpx");
    fs::last_write_time(Source("old.gpx"), fs::file_time_type::clock::now() - 1h);
    StartWatch();
    ASSERT_TRUE(Shows("Converted: old\nConverted 1 files.\n")) << m_out << m_err;

    Write("new/deep/b.gpx");
    ASSERT_TRUE(Shows("Converted: new/deep/b\n")) << m_out << m_err;

    // Written in two halves with a pause: the first half alone is no GPX at all.
    const std::string whole = SampleGpx;
    testing::WriteTextFile(Source("c.gpx"), whole.substr(0, whole.size() / 2));
    QThread::msleep(500);
    testing::WriteTextFile(Source("c.gpx"), whole);
    ASSERT_TRUE(Shows("Converted: c\n")) << m_out << m_err;

    ::kill(static_cast<pid_t>(m_watch.processId()), SIGTERM);
    EXPECT_EQ(Ended(), 143);
    EXPECT_EQ(m_out, "Converted: old\nConverted 1 files.\nConverted: new/deep/b\nConverted: c\n"
                     "Converted 2 files.\n");
    EXPECT_EQ(FilesBelow(m_home / "out"), (Names{"c.kml", "new/deep/b.kml", "old.kml"}));
    EXPECT_NE(testing::ReadTextFile(m_home / "out/c.kml").find("Greenwich"), std::string::npos);
}

TEST_F(BatchWatchTest, EndsWithTheReasonWhenTheSourceFolderGoes) {
    Write("a.gpx");
    StartWatch({"--settle", "0.2"});
    ASSERT_TRUE(Shows("Converted: a\n")) << m_out << m_err;
    fs::rename(Source(""), m_home / "elsewhere");
    EXPECT_EQ(Ended(), 1);
    EXPECT_NE(m_err.find("The source folder " + m_home / "src is gone; the watch ends."),
              std::string::npos)
        << m_err;
}

// A name that is not UTF-8 is seen as any other: new, rewritten in place and replaced by mv.
TEST_F(BatchWatchTest, ANameInAnyEncodingIsConvertedWhenNewRewrittenAndReplaced) {
    StartWatch({"--settle", "0.2"});
    const std::string name = "caf\xe9.gpx";
    const auto convertedTimes = [this](std::size_t times) {
        return ShowsTimes("Converted: caf", times);
    };
    Write(name);
    ASSERT_TRUE(convertedTimes(1)) << m_out << m_err;
    Write(name);
    ASSERT_TRUE(convertedTimes(2)) << m_out << m_err;
    Write("next.tmp");
    fs::rename(Source("next.tmp"), Source(name));
    ASSERT_TRUE(convertedTimes(3)) << m_out << m_err;
    EXPECT_TRUE(fs::exists(m_home / ("out/caf\xe9.kml")));
    ::kill(static_cast<pid_t>(m_watch.processId()), SIGTERM);
    EXPECT_EQ(Ended(), 143);
    EXPECT_EQ(m_err.find("inotify"), std::string::npos) << m_err;
    // The temporary folder's own removal goes by text and cannot remove such names.
    fs::remove_all(Source(""));
    fs::remove_all(m_home / "out");
}

// While a file converts the watch goes on reading the system's notices: a flood of them during a
// long conversion loses no file that appears after it, and the totals count each file once.
TEST_F(BatchWatchTest, NoticesAreReadWhileAFileConverts) {
    const std::string started = m_home / "started";
    testing::WriteFaultyEngine(m_home / "engine",
                               {{"slow.gpx", "echo > '" + started + "'; /bin/sleep 3"}});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), QString::fromStdString(m_home / "engine"));
    m_watch.setProcessEnvironment(environment);
    StartWatch({"--settle", "0.2"});
    Write("slow.gpx");
    while (!fs::exists(started) && m_watch.state() == QProcess::Running) {
        QThread::msleep(20);
    }
    // More notices than the system's queue holds (16384 by default), then a new file.
    Write("x.txt", "x");
    Write("y.txt", "y");
    for (int touch = 0; touch < 40000; ++touch) {
        fs::last_write_time(Source(touch % 2 == 0 ? "x.txt" : "y.txt"),
                            fs::file_time_type::clock::now());
    }
    Write("b.gpx");
    ASSERT_TRUE(Shows("Converted: b\n")) << m_out << m_err;
    EXPECT_NE(m_out.find("Converted: slow\n"), std::string::npos) << m_out;
    ::kill(static_cast<pid_t>(m_watch.processId()), SIGTERM);
    EXPECT_EQ(Ended(), 143);
    EXPECT_TRUE(m_out.ends_with("Converted 2 files.\n")) << m_out;
}

// At the system's limit of watches (lowered in a user namespace of its own) a folder left
// unwatched is read every little while: a file replaced there by mv converts again. The limit is
// said once, in the program's words.
TEST_F(BatchWatchTest, AtTheWatchLimitAFileReplacedByMvConvertsAgain) {
    if (std::system("unshare -U -r true 2>/dev/null") != 0) {
        GTEST_SKIP() << "no user namespace can be made here";
    }
    Write("deep/a.gpx");
    Write("deeper/b.gpx");
    // Two watches: the folder above the source folder and the source folder itself.
    StartWatch({"--settle", "0.2"},
               {"unshare", "-U", "-r", "sh", "-c",
                "echo 2 > /proc/sys/user/max_inotify_watches && exec \"$0\" \"$@\""});
    ASSERT_TRUE(ShowsTimes("Converted: deep/a\n", 1)) << m_out << m_err;
    Write("next.tmp");
    fs::rename(Source("next.tmp"), Source("deep/a.gpx"));
    ASSERT_TRUE(ShowsTimes("Converted: deep/a\n", 2)) << m_out << m_err;
    ::kill(static_cast<pid_t>(m_watch.processId()), SIGTERM);
    Ended();
    EXPECT_EQ(CountOf("cannot be watched", m_err), 1u) << m_err;
    EXPECT_EQ(m_err.find("inotify_add_watch"), std::string::npos) << m_err;
}

} // namespace
} // namespace tolk
