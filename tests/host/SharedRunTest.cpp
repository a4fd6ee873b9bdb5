#include "GpsSamples.h"
#include "StandInEngine.h"
#include "TempHome.h"
#include "TextFiles.h"
#include "convert/FileConversion.h"
#include "convert/FileTypes.h"
#include "host/GpsBabelHost.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace tolk {
namespace {

namespace fs = std::filesystem;
using testing::ReadTextFile;
using testing::WriteTextFile;

// Every kind, GPX 1.1 with times; GPX 1.0 elsewhere; one long track.
const char* const Everything =
    "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"t\" "
    "xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
    "<wpt lat=\"46.1\" lon=\"7.1\"><name>A1</name><ele>500</ele></wpt>\n"
    "<wpt lat=\"46.15\" lon=\"7.15\"><name>A2</name></wpt>\n"
    "<rte><name>AR</name><rtept lat=\"46.2\" lon=\"7.2\"><name>R1</name></rtept>"
    "<rtept lat=\"46.3\" lon=\"7.3\"><name>R2</name></rtept></rte>\n"
    "<trk><name>AT</name><trkseg><trkpt lat=\"46.0\" lon=\"7.0\"><time>2020-01-01T00:00:00Z"
    "</time></trkpt><trkpt lat=\"46.5\" lon=\"7.5\"><time>2020-01-01T01:00:00Z</time></trkpt>"
    "</trkseg></trk>\n</gpx>\n";
const char* const Elsewhere =
    "<?xml version=\"1.0\"?>\n<gpx version=\"1.0\" creator=\"t\" "
    "xmlns=\"http://www.topografix.com/GPX/1/0\">\n"
    "<wpt lat=\"-33.1\" lon=\"151.1\"><name>B1</name></wpt>\n"
    "<trk><name>BT</name><trkseg><trkpt lat=\"-33.0\" lon=\"151.0\"><time>2021-01-01T00:00:00Z"
    "</time></trkpt><trkpt lat=\"-33.5\" lon=\"151.5\"><time>2021-01-01T02:00:00Z</time>"
    "</trkpt></trkseg></trk>\n</gpx>\n";

// The files of the one folder that the other does not hold alike, by name.
std::vector<std::string> Unlike(const fs::path& folder, const fs::path& other) {
    std::vector<std::string> names;
    for (const fs::path& one : {folder, other}) {
        for (const auto& entry : fs::directory_iterator(one)) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with(".")) {
                continue; // this program's records of what it made
            }
            if (ReadTextFile(entry.path().string()) != ReadTextFile((folder / name).string()) ||
                ReadTextFile(entry.path().string()) != ReadTextFile((other / name).string()) ||
                !fs::exists(folder / name) || !fs::exists(other / name)) {
                names.push_back(name);
            }
        }
    }
    return names;
}

// Files converted in one engine run come out as each does in a run of its own, for every
// offered target type, with and without a merge, a datum and a grid. The shared runs' engine
// gives its output all at once, so that each file's part is found in output that runs on.
class SharedRunTest : public ::testing::Test {
protected:
    SharedRunTest() {
        qputenv("GPSBABEL_FREEZE_TIME", "1");
        WriteTextFile(m_home / "src/a.gpx", Everything);
        WriteTextFile(m_home / "src/b.gpx", Elsewhere);
        WriteTextFile(m_home / "src/c.gpx", testing::SampleGpx);
        WriteTextFile(m_home / "src/a.csv", testing::SampleCsv);
        WriteTextFile(m_home / "src/c.csv", testing::SampleCsv);
        testing::WriteStandInEngine(
            m_home / "buffered",
            "case \" $* \" in *' nuketypes,waypoints,tracks,routes '*) echo >> '" +
                m_home / "shared-runs" + "';; esac\nout=$('" + testing::InstalledEngine() +
                "' \"$@\" 2>&1); status=$?; printf '%s\\n' \"$out\"; exit $status");
        m_alone.Attach(CreateGpsBabelHost(Config()));
        const testing::EnginePath path(m_home / "buffered");
        m_shared.Attach(CreateGpsBabelHost(Config()));
    }
    ~SharedRunTest() override { qunsetenv("GPSBABEL_FREEZE_TIME"); }

    GpsBabelConfig Config() const {
        GpsBabelConfig config;
        config.reference = ReferenceData({"European 1950"}, {});
        return config;
    }
    // Converts the three files into the folder, told ahead or not; the outcomes in words.
    std::string ConvertInto(const std::string& folder, bool told, ConversionSettings settings) {
        settings.TargetFldr = m_home / folder;
        fs::create_directories(settings.TargetFldr);
        const MergeIndex merges(settings.MergeExt.empty() ? MergeIndex()
                                                          : MergeIndex(settings.SourceFldr));
        HostConnection& host = told ? m_shared : m_alone;
        std::vector<ExpectedFile> expected;
        for (const char* name : {"a.gpx", "b.gpx", "c.gpx"}) {
            expected.push_back(ExpectedConversion(settings, name, merges));
        }
        host.ExpectFiles(told ? expected : std::vector<ExpectedFile>());
        std::string said;
        for (const char* name : {"a.gpx", "b.gpx", "c.gpx"}) {
            const FileOutcome outcome = ConvertFile(settings, host, name, merges);
            said += outcome.status + " " + outcome.reason + " " + outcome.notKept + "\n";
        }
        host.ExpectFiles({});
        return said;
    }
    int SharedRuns() const {
        return static_cast<int>(std::ranges::count(ReadTextFile(m_home / "shared-runs"), '\n'));
    }

    testing::TempHome m_home;
    HostConnection m_alone;
    HostConnection m_shared;
};

TEST_F(SharedRunTest, EveryWriterWritesEachFileAsARunOfItsOwnDoes) {
    int sharedTypes = 0;
    for (const std::string_view type : TargetTypeTable) {
        const std::string target(type);
        if (m_alone.FormatsFor(target, FormatUse::Write).empty()) {
            continue;
        }
        ConversionSettings plain;
        plain.SourceFldr = m_home / "src";
        plain.SourceExt = "gpx";
        plain.TargetExt = target;
        ConversionSettings merged = plain;
        merged.MergeExt = "csv";
        ConversionSettings changed = plain;
        changed.Datum = "European 1950";
        changed.Grid = "Swiss Grid";
        std::vector<ConversionSettings> variants{plain};
        if (target != "csv") {
            variants.push_back(merged);
        }
        if (m_alone.RunRefusals({"gpx", "", target, changed.Datum, changed.Grid}).empty()) {
            variants.push_back(changed);
        }
        const int runsBefore = SharedRuns();
        for (std::size_t variant = 0; variant < variants.size(); ++variant) {
            SCOPED_TRACE(target + " variant " + std::to_string(variant));
            const std::string folder = target + "/" + std::to_string(variant);
            const std::string alone = ConvertInto(folder + "/alone", false, variants[variant]);
            const std::string shared = ConvertInto(folder + "/shared", true, variants[variant]);
            EXPECT_EQ(shared, alone);
            EXPECT_EQ(Unlike(m_home / (folder + "/shared"), m_home / (folder + "/alone")),
                      std::vector<std::string>());
        }
        sharedTypes += SharedRuns() > runsBefore ? 1 : 0;
    }
    EXPECT_GE(sharedTypes, 10) << "most writers share runs";
}

} // namespace
} // namespace tolk
