#include "TempHome.h"
#include "TextFiles.h"
#include "convert/FileTypes.h"
#include "host/engine/EngineCommand.h"
#include "host/engine/EngineCounts.h"
#include "host/formats/FormatList.h"
#include "host/gpsbabel/GpsBabelHost.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

namespace tolk {
namespace {

namespace fs = std::filesystem;

// Two waypoints, two tracks of 3 and 4 points and two routes of 2 and 3 points.
const char* const ManyLinesGpx =
    "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"t\" "
    "xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
    "<wpt lat=\"47.51\" lon=\"8.51\"><name>W1</name></wpt>"
    "<wpt lat=\"47.52\" lon=\"8.52\"><name>W2</name></wpt>\n"
    "<trk><name>T1</name><trkseg>"
    "<trkpt lat=\"47.11\" lon=\"8.11\"><time>2024-05-01T10:00:00Z</time></trkpt>"
    "<trkpt lat=\"47.12\" lon=\"8.12\"><time>2024-05-01T10:01:00Z</time></trkpt>"
    "<trkpt lat=\"47.13\" lon=\"8.13\"><time>2024-05-01T10:02:00Z</time></trkpt>"
    "</trkseg></trk>\n<trk><name>T2</name><trkseg>"
    "<trkpt lat=\"47.21\" lon=\"8.21\"><time>2024-05-02T10:00:00Z</time></trkpt>"
    "<trkpt lat=\"47.22\" lon=\"8.22\"><time>2024-05-02T10:01:00Z</time></trkpt>"
    "<trkpt lat=\"47.23\" lon=\"8.23\"><time>2024-05-02T10:02:00Z</time></trkpt>"
    "<trkpt lat=\"47.24\" lon=\"8.24\"><time>2024-05-02T10:03:00Z</time></trkpt>"
    "</trkseg></trk>\n"
    "<rte><name>R1</name><rtept lat=\"47.31\" lon=\"8.31\"><name>R11</name></rtept>"
    "<rtept lat=\"47.32\" lon=\"8.32\"><name>R12</name></rtept></rte>\n"
    "<rte><name>R2</name><rtept lat=\"47.41\" lon=\"8.41\"><name>R21</name></rtept>"
    "<rtept lat=\"47.42\" lon=\"8.42\"><name>R22</name></rtept>"
    "<rtept lat=\"47.43\" lon=\"8.43\"><name>R23</name></rtept></rte>\n</gpx>\n";

constexpr long AllPoints = 14;

// The points a note says were not kept ("3 track points and 5 route points not kept: ...").
long NotKeptPoints(const std::string& note) {
    long points = 0;
    static const std::regex counted("(\\d+) (waypoints?|track points?|route points?|points)");
    for (std::sregex_iterator match(note.begin(), note.end(), counted), end; match != end;
         ++match) {
        points += std::stol((*match)[1]);
    }
    return points;
}

class KeepAllTest : public ::testing::Test {
protected:
    KeepAllTest() : m_runner("gpsbabel", std::chrono::seconds(60)) {
        fs::create_directories(m_home / "in");
        testing::WriteTextFile(m_home / "plain.gpx", ManyLinesGpx);
        // The source as the engine's own writer writes it.
        EXPECT_TRUE(m_runner
                        .Run(EngineCommand::Whole()
                                 .Read("gpx", m_home / "plain.gpx")
                                 .Write("gpx", m_home / "in/lines.gpx"))
                        .Succeeded());
    }
    // Opens the source and saves it as `target`; the result code.
    std::int32_t Save(HostLink& host, const std::string& target) {
        std::int32_t opened = -1;
        std::int32_t saved = -1;
        std::int32_t closed = -1;
        EXPECT_FALSE(host.OpenFile(m_home / "in/lines.gpx", opened).Failed());
        m_saved = host.SaveFileAs(target, saved);
        EXPECT_FALSE(m_saved.Failed());
        EXPECT_FALSE(host.CloseWindow(closed).Failed());
        return saved;
    }
    // The points the engine reads back from the target and its companions in `format`, each
    // file of one kind read as its kind.
    long ReadBack(const std::string& target, const EngineFormat& format) {
        long points = 0;
        const fs::path targetPath(target);
        for (const auto& entry : fs::directory_iterator(targetPath.parent_path())) {
            const std::string name = entry.path().filename().string();
            if (!name.starts_with(targetPath.stem().string()) ||
                entry.path().extension() != targetPath.extension()) {
                continue;
            }
            const DataKind named = KindNamedIn(entry.path().string());
            EngineCommand command = EngineCommand::Whole();
            for (DataKind kind : AllDataKinds) {
                if (format.Reads(kind) && kind != named) {
                    command.Kind(kind);
                }
            }
            command.Kind(named).Read(format.name, entry.path().string()).Count();
            points += CountsRead(m_runner.Run(command).output).Total();
        }
        return points;
    }

    testing::TempHome m_home;
    EngineRunner m_runner;
    /// How the last save made through Save was answered.
    HostStatus m_saved;
};

// Every offered target type: each point of a file of every kind and several tracks and routes
// lands in the target or a companion, or the file says it was not kept. Readers that read
// nothing back of what their writer wrote cannot tell, and are left out.
TEST_F(KeepAllTest, EveryPointArrivesOrIsSaidNotToForEveryTargetType) {
    const FormatList formats = FormatList::Parse(m_runner.Run({"-^3"}).output);
    const std::unique_ptr<HostLink> host = CreateGpsBabelHost(GpsBabelConfig());
    int checked = 0;
    for (std::string_view type : TargetTypeTable) {
        const std::vector<std::string> writer =
            host->FormatsFor(std::string(type), FormatUse::Write);
        const EngineFormat* format = writer.empty() ? nullptr : formats.Named(writer.front());
        if (format == nullptr || !format->ReadsAny()) {
            continue;
        }
        const std::string folder = m_home / ("out-" + std::string(type));
        fs::create_directories(folder);
        const std::string target = folder + "/lines." + std::string(type);
        if (Save(*host, target) != 0) {
            continue; // failed with its reason: nothing claimed
        }
        const long arrived = ReadBack(target, *format);
        if (arrived == 0) {
            continue;
        }
        ++checked;
        EXPECT_GE(arrived + NotKeptPoints(m_saved.notKept), AllPoints)
            << type << " (" << format->name << "): " << m_saved.notKept;
    }
    EXPECT_GE(checked, 20);
}

TEST_F(KeepAllTest, NumberedCompanionsHoldTheLinesAFormatOfOneLinePerFileDrops) {
    const FormatList formats = FormatList::Parse(m_runner.Run({"-^3"}).output);
    GpsBabelConfig config;
    config.formatChoices = {{"trl", "dmtlog"}};
    const std::unique_ptr<HostLink> host = CreateGpsBabelHost(config);
    fs::create_directories(m_home / "out");
    ASSERT_EQ(Save(*host, m_home / "out/lines.trl"), 0) << m_saved.reason;
    EXPECT_TRUE(fs::exists(m_home / "out/lines-track2.trl"));
    // Waypoints and both tracks arrive; the routes, which the format does not hold, are said.
    EXPECT_EQ(ReadBack(m_home / "out/lines.trl", *formats.Named("dmtlog")), 9);
    EXPECT_EQ(m_saved.notKept, "5 route points not kept: the target type holds waypoints and "
                               "tracks only");

    config.keepAllOrFail = true;
    testing::WriteTextFile(m_home / "out/lines.trl", "the old target");
    EXPECT_EQ(Save(*CreateGpsBabelHost(config), m_home / "out/lines.trl"),
              GpsBabelHost::NotAllKept);
    EXPECT_EQ(testing::ReadTextFile(m_home / "out/lines.trl"), "the old target");
}

// The files written beside `target` that are named after it: its companions.
std::vector<std::string> CompanionsOf(const fs::path& target) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(target.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == target.extension() &&
            name.starts_with(target.stem().string() + "-")) {
            names.push_back(name);
        }
    }
    std::ranges::sort(names);
    return names;
}

// Every target type whose format keeps one track or one kind per file: a conversion again
// removes the companions it no longer makes (not a file merely named like one), and a companion
// never replaces the target of another file beside the source (which comes first in the list).
TEST_F(KeepAllTest, CompanionsAreTheConversionsOwnAndNeverAnotherFilesTarget) {
    const std::unique_ptr<HostLink> host = CreateGpsBabelHost(GpsBabelConfig());
    const std::string oneTrack =
        "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"t\" "
        "xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><name>T1</name><trkseg>"
        "<trkpt lat=\"47.11\" lon=\"8.11\"/><trkpt lat=\"47.12\" lon=\"8.12\"/>"
        "</trkseg></trk></gpx>\n";
    int checked = 0;
    for (std::string_view type : TargetTypeTable) {
        const fs::path target =
            m_home / ("out-" + std::string(type) + "/lines." + std::string(type));
        fs::create_directories(target.parent_path());
        testing::WriteTextFile(m_home / "in/lines.gpx", ManyLinesGpx);
        if (Save(*host, target) != 0 || CompanionsOf(target).empty()) {
            continue;
        }
        ++checked;
        const std::vector<std::string> made = CompanionsOf(target);
        // A file of another source, named as this target's companion.
        const std::string clash = made.front();
        const std::string other = fs::path(clash).stem().string() + ".gpx";
        testing::WriteTextFile(m_home / ("in/" + other), oneTrack);
        testing::WriteTextFile(target.parent_path() / clash, "the other file's target");
        EXPECT_NE(Save(*host, target), 0) << type;
        EXPECT_EQ(m_saved.reason, "its companion " + clash + " is the target of " + other) << type;
        EXPECT_EQ(testing::ReadTextFile(target.parent_path() / clash), "the other file's target");
        fs::remove(m_home / ("in/" + other));

        ASSERT_EQ(Save(*host, target), 0) << type << ": " << m_saved.reason;
        const fs::path byHand = target.parent_path() / ("lines-route9." + std::string(type));
        testing::WriteTextFile(byHand, "made by hand");
        testing::WriteTextFile(m_home / "in/lines.gpx", oneTrack);
        ASSERT_EQ(Save(*host, target), 0) << type << ": " << m_saved.reason;
        EXPECT_EQ(CompanionsOf(target), std::vector<std::string>{byHand.filename().string()})
            << type;
    }
    EXPECT_GE(checked, 2);
}

// Hosts of one factory, made at different times as the window makes its jobs' hosts, learn
// once: two jobs asking about the same format at the same time probe it once between them.
TEST_F(KeepAllTest, HostsOfOneFactoryProbeEachFormatOnce) {
    GpsBabelHostFactory factory;
    std::vector<std::unique_ptr<HostLink>> hosts = factory.Create(GpsBabelConfig(), 1);
    hosts.push_back(std::move(factory.Create(GpsBabelConfig(), 1).front()));
    std::vector<std::thread> jobs;
    for (int job = 0; job < 2; ++job) {
        jobs.emplace_back([&, job] {
            const std::string folder = m_home / ("job" + std::to_string(job));
            fs::create_directories(folder);
            EXPECT_EQ(Save(*hosts[static_cast<std::size_t>(job)], folder + "/lines.shp"), 0);
        });
    }
    for (std::thread& job : jobs) {
        job.join();
    }
    const std::string learned =
        testing::ReadTextFile(m_home / ".cache/Orvane/TOLK/learned-formats.txt");
    std::istringstream lines(learned);
    std::set<std::string> answers;
    for (std::string line; std::getline(lines, line);) {
        EXPECT_TRUE(answers.insert(line).second) << "asked twice: " << line;
    }
    EXPECT_FALSE(answers.empty());
}

} // namespace
} // namespace tolk
