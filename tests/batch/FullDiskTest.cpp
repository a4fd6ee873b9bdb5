// A small file system filled by the command's own jobs and by two commands at once: whatever
// frees room meanwhile, no output cut short by the full disk replaces a target, and no file whose
// output was cut is said to be converted.
#include "BatchProcess.h"
#include "TempHome.h"
#include "TextFiles.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tolk {
namespace {

namespace fs = std::filesystem;

// A track of 3000 timed points: about 2.5 MB as KML.
std::string LongTrackGpx() {
    std::string gpx = "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"tolk tests\" "
                      "xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><name>Long</name>"
                      "<trkseg>\n";
    for (int i = 0; i < 3000; ++i) {
        gpx += "<trkpt lat=\"" + std::to_string(47 + i * 1e-5) + "\" lon=\"" +
               std::to_string(8 + i * 1e-5) + "\"><ele>" + std::to_string(i % 500) +
               "</ele><time>2020-01-01T00:" + std::to_string(10 + i / 60 % 50) + ":" +
               std::to_string(10 + i % 50) + "Z</time></trkpt>\n";
    }
    return gpx + "</trkseg></trk></gpx>\n";
}

class FullDiskTest : public ::testing::Test {
protected:
    static constexpr int Files = 8;

    FullDiskTest() {
        // Each target the same bytes, its creation time among them.
        qputenv("GPSBABEL_FREEZE_TIME", "1");
        for (int file = 0; file < Files; ++file) {
            testing::WriteTextFile(m_home / ("src/t" + std::to_string(file) + ".gpx"), Track());
        }
    }
    ~FullDiskTest() override { qunsetenv("GPSBABEL_FREEZE_TIME"); }
    static const std::string& Track() {
        static const std::string track = LongTrackGpx();
        return track;
    }
    // The command converting the sources into `target` with the options.
    std::string Command(const std::string& target, const std::string& options) const {
        return "'" + testing::BatchProgram().toStdString() + "' '" + m_home / "src" +
               "' --source-type gpx --target-type kml --merge-type '' --grid '' --datum '' "
               "--target-folder '" +
               target + "' " + options;
    }
    // Runs the script with a 9 MB file system at "$SMALL", made in a mount namespace of its own
    // and holding an older target for every file; what it holds at the end is copied to
    // "kept". Skips where no such file system can be made.
    testing::Finished RunOnSmallDisk(const std::string& script) const {
        const std::string small = m_home / "small";
        fs::create_directories(small);
        std::string setUp = "mount -t tmpfs -o size=9m tmpfs '" + small + "' && mkdir '" + small +
                            "/out' && for n in $(seq 0 " + std::to_string(Files - 1) +
                            "); do echo older > '" + small + "/out/t'$n.kml; done && SMALL='" +
                            small + "' && ";
        const std::string keep = "; cp -r '" + small + "/out' '" + m_home / "kept" + "'";
        return testing::RunProgram("unshare", {"--user", "--map-root-user", "--mount", "sh", "-c",
                                               QString::fromStdString(setUp + script + keep)});
    }
    // Every target is the older one or the whole conversion; those said converted are whole.
    void ExpectNothingCut(const testing::Finished& run) const {
        const testing::Finished whole = testing::RunProgram(
            "gpsbabel", {"-i", "gpx", "-f", QString::fromStdString(m_home / "src/t0.gpx"), "-o",
                         "kml", "-F", QString::fromStdString(m_home / "whole.kml")});
        ASSERT_EQ(whole.status, 0);
        const std::string expected = testing::ReadTextFile(m_home / "whole.kml");
        int converted = 0;
        for (int file = 0; file < Files; ++file) {
            const std::string name = "t" + std::to_string(file);
            const std::string target = testing::ReadTextFile(m_home / ("kept/" + name + ".kml"));
            EXPECT_TRUE(target == "older\n" || target == expected)
                << name << " holds " << target.size() << " bytes of " << expected.size();
            const bool said = run.out.find("Converted: " + name + "\n") != std::string::npos;
            EXPECT_TRUE(!said || target == expected) << name << " said converted";
            converted += said ? 1 : 0;
        }
        EXPECT_LT(converted, Files) << "the file system was never full";
        EXPECT_NE(run.out.find("Disk full"), std::string::npos) << run.out << run.err;
    }

    testing::TempHome m_home;
};

TEST_F(FullDiskTest, TwoJobsKeepNoCutOutput) {
    const testing::Finished run =
        RunOnSmallDisk(Command(m_home / "small/out", "--jobs 2") + " 2>&1");
    if (run.out.find("mount:") == 0 || run.out.find("unshare:") == 0) {
        GTEST_SKIP() << "no small file system can be made here: " << run.out;
    }
    ExpectNothingCut(run);
}

TEST_F(FullDiskTest, TwoCommandsKeepNoCutOutput) {
    const std::string command = Command(m_home / "small/out", "--jobs 1") + " 2>&1";
    const testing::Finished run = RunOnSmallDisk(command + " & " + command + "; wait");
    if (run.out.find("mount:") == 0 || run.out.find("unshare:") == 0) {
        GTEST_SKIP() << "no small file system can be made here: " << run.out;
    }
    ExpectNothingCut(run);
}

} // namespace
} // namespace tolk
