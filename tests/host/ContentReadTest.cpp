#include "TextFiles.h"
#include "host/engine/EngineCommand.h"
#include "host/engine/EngineLocator.h"
#include "host/engine/EngineRunner.h"
#include "host/formats/LeadingShape.h"
#include "host/formats/RecordShape.h"
#include "host/gpsbabel/GpsBabelHost.h"

#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace tolk {
namespace {

using testing::ReadTextFile;
using testing::WriteTextFile;
namespace fs = std::filesystem;

long Occurrences(const std::string& text, const std::string& part) {
    long count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// A sentence with its checksum, or with a wrong one.
std::string Sentence(const std::string& body, bool rightChecksum = true) {
    unsigned char sum = 0;
    for (char c : body) {
        sum ^= static_cast<unsigned char>(c);
    }
    char text[4];
    std::snprintf(text, sizeof text, "%02X", rightChecksum ? sum : sum ^ 0x5A);
    return "$" + body + "*" + text;
}

struct LogStyle {
    std::string end = "\n";
    int badChecksums = 0;      ///< the first fixes' sentences carry wrong checksums
    bool mixedTalkers = false; ///< other satellite systems' talkers among them
    bool noise = false;        ///< binary noise between the sentences
};

// Eight fixes near Zurich, each told by a position sentence and a recommended minimum one, with
// satellites in view between them (sentences of no position).
std::string NmeaLog(const LogStyle& style) {
    std::string log;
    for (int fix = 0; fix < 8; ++fix) {
        char time[16];
        char lat[16];
        char lon[16];
        std::snprintf(time, sizeof time, "1010%02d.00", fix);
        std::snprintf(lat, sizeof lat, "4724.%04d", 1230 + fix * 10);
        std::snprintf(lon, sizeof lon, "00830.%04d", 4560 + fix * 10);
        const std::string talker = style.mixedTalkers ? "GN" : "GP";
        const bool right = fix >= style.badChecksums;
        const std::string place = std::string(lat) + ",N," + lon + ",E";
        if (style.noise) {
            log += std::string("\x01\xfe\x7f\x00\x93", 5) + style.end;
        }
        log +=
            Sentence(talker + "GGA," + time + "," + place + ",1,08,0.9,400.0,M,48.0,M,,", right) +
            style.end;
        log += Sentence(talker + "RMC," + time + ",A," + place + ",0.0,0.0,010120,,,A", right) +
               style.end;
        log += Sentence(std::string(style.mixedTalkers && fix % 2 ? "GL" : "GP") +
                        "GSV,1,1,01,01,40,083,46") +
               style.end;
        if (style.mixedTalkers) {
            log += Sentence("BDGSV,1,1,01,20,40,083,46") + style.end;
        }
    }
    return log;
}

// Twelve points of a track near Zurich.
std::string TrackGpx() {
    std::string gpx = "<?xml version=\"1.0\"?><gpx version=\"1.1\" creator=\"t\" "
                      "xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><name>T</name><trkseg>";
    for (int point = 0; point < 12; ++point) {
        gpx += "<trkpt lat=\"47." + std::to_string(400 + point) + "\" lon=\"8." +
               std::to_string(510 + point) +
               "\"><ele>400</ele><time>2024-05-01T10:" + (point < 10 ? "0" : "") +
               std::to_string(point) + ":00Z</time></trkpt>";
    }
    return gpx + "</trkseg></trk></gpx>\n";
}

// The engine's command writing the track of the GPX file with the writer.
EngineCommand TrackWritten(const std::string& gpx, const std::string& writer,
                           const std::string& written) {
    return EngineCommand::Whole().Kind(DataKind::Tracks).Read("gpx", gpx).Write(writer, written);
}

// A device's record dump: numbered rows whose numeric columns hold no positions.
std::string RecordDump() {
    std::string csv = "id,count,value,flags\n";
    for (int row = 0; row < 20; ++row) {
        csv += std::to_string(row) + "," + std::to_string(5 + row) + "," +
               std::to_string(-88 + row * 9) + "," + std::to_string(row % 3) + "\n";
    }
    return csv;
}

// The made file's content, given the folder to make it in.
using Maker = std::function<std::string(const std::string& folder)>;

struct Case {
    std::string file;
    Maker content;
    /// The kind of records whose reader should read the file (that reader's writer writes such
    /// records), None where the file should fail.
    RecordKind reader;
    long waypoints, trackPoints;
    /// The outcome names the reader: it is not one of the type's own.
    bool noted;
};

// Every case runs the installed engine.
class ContentReadTest : public ::testing::Test {
protected:
    ContentReadTest() { fs::create_directories(Path("work")); }

    std::string Path(const std::string& name) const {
        return m_dir.path().toStdString() + "/" + name;
    }

    // The engine's format that writes records of the kind, found through its listing by what it
    // writes: of the formats listing no extension, the one whose output of a track has that shape.
    static std::string WriterOf(RecordKind kind) {
        static std::map<RecordKind, std::string> found;
        if (found.contains(kind)) {
            return found[kind];
        }
        const auto engine = FindWorkingGpsBabel(std::chrono::seconds(30), false);
        QTemporaryDir dir;
        const std::string source = dir.filePath("track.gpx").toStdString();
        const std::string written = dir.filePath("written").toStdString();
        WriteTextFile(source, TrackGpx());
        for (const EngineFormat* format : engine->formats.ExtensionlessReaders()) {
            const EngineOutcome outcome = EngineRunner(engine->program, std::chrono::seconds(30))
                                              .Run(TrackWritten(source, format->name, written));
            if (outcome.Succeeded() && format->Writes(DataKind::Tracks) &&
                ShapeOf(LeadingBytes(written)).kind == kind) {
                return found[kind] = format->name;
            }
        }
        return {};
    }

    // A track written by the engine's own writer of the kind.
    Maker Written(RecordKind kind) {
        return [kind](const std::string& folder) {
            const std::string source = folder + "/track-source.gpx";
            const std::string written = folder + "/track-written";
            WriteTextFile(source, TrackGpx());
            EngineRunner("gpsbabel", std::chrono::seconds(30))
                .Run(TrackWritten(source, WriterOf(kind), written));
            const std::string content = ReadTextFile(written);
            fs::remove(source);
            fs::remove(written);
            return content;
        };
    }

    static Maker Text(std::string content) {
        return [content](const std::string&) { return content; };
    }

    QTemporaryDir m_dir;
};

TEST_F(ContentReadTest, EachFileIsReadByTheReaderItsRecordsNameWithTheRightCounts) {
    const std::vector<Case> cases{
        // A text-route reader took the whole file of CR-ended lines for one record.
        {"cr.txt", Text(NmeaLog({"\r"})), RecordKind::Nmea, 0, 8, true},
        {"crlf.txt", Text(NmeaLog({"\r\n"})), RecordKind::Nmea, 0, 8, true},
        {"lf.log", Text(NmeaLog({"\n"})), RecordKind::Nmea, 0, 8, true},
        {"checksums.log", Text(NmeaLog({"\r\n", 2})), RecordKind::Nmea, 0, 6, true},
        {"talkers.txt", Text(NmeaLog({"\n", 0, true})), RecordKind::Nmea, 0, 8, true},
        {"noise.log", Text(NmeaLog({"\r\n", 0, false, true})), RecordKind::Nmea, 0, 8, true},
        {"handheld.log", Written(RecordKind::Sentences), RecordKind::Sentences, 0, 12, true},
        {"flight.txt", Written(RecordKind::Igc), RecordKind::Igc, 0, 12, true},
        {"headed.txt", Written(RecordKind::HeadedCsv), RecordKind::HeadedCsv, 12, 0, true},
        {"headed.csv", Written(RecordKind::HeadedCsv), RecordKind::HeadedCsv, 12, 0, false},
        // Its reader reads no fix from sentences that say they have none.
        {"nofix.txt", Written(RecordKind::Nmea), RecordKind::None, 0, 0, false},
        // Whole degrees from columns not named as positions.
        {"dump.csv", Text(RecordDump()), RecordKind::None, 0, 0, false},
    };
    GpsBabelConfig config;
    config.workFolder = Path("work");
    const std::unique_ptr<HostLink> host = CreateGpsBabelHost(config);
    for (const Case& test : cases) {
        SCOPED_TRACE(test.file);
        WriteTextFile(Path(test.file), test.content(Path("")));
        const std::string target = Path(test.file + ".gpx");
        std::int32_t result = -1;
        ASSERT_FALSE(host->OpenFile(Path(test.file), result).Failed());
        ASSERT_EQ(result, 0);
        const HostStatus saved = host->SaveFileAs(target, result);
        EXPECT_FALSE(saved.Failed());
        const std::string reason = saved.reason;
        host->CloseWindow(result);
        if (test.reader == RecordKind::None) {
            EXPECT_FALSE(fs::exists(target)) << reason;
            EXPECT_TRUE(reason.find("read believable positions") != std::string::npos) << reason;
            EXPECT_EQ(reason.find(m_dir.path().toStdString() + "/."), std::string::npos) << reason;
            continue;
        }
        const std::string gpx = ReadTextFile(target);
        EXPECT_EQ(Occurrences(gpx, "<wpt "), test.waypoints) << reason;
        EXPECT_EQ(Occurrences(gpx, "<trkpt "), test.trackPoints) << reason;
        const std::string note = "read as " + WriterOf(test.reader) + ":";
        EXPECT_EQ(reason.find(note) != std::string::npos, test.noted) << reason;
    }
}

TEST_F(ContentReadTest, AHugeFileFailsWithinTheEnginesMemoryLimit) {
    // Sparse: the file system holds no data for it, the engine reads 2 GB of zeros.
    std::ofstream(Path("huge.csv"));
    fs::resize_file(Path("huge.csv"), 2LL * 1024 * 1024 * 1024);
    GpsBabelConfig config;
    config.workFolder = Path("work");
    config.memoryBudgetMb = 256;
    const std::unique_ptr<HostLink> host = CreateGpsBabelHost(config);
    std::int32_t result = -1;
    ASSERT_FALSE(host->OpenFile(Path("huge.csv"), result).Failed());
    const HostStatus saved = host->SaveFileAs(Path("huge.gpx"), result);
    EXPECT_FALSE(saved.Failed());
    EXPECT_NE(result, 0);
    EXPECT_EQ(saved.reason, "gpsbabel needed more than 256 MB of memory");
    EXPECT_FALSE(fs::exists(Path("huge.gpx")));
}

} // namespace
} // namespace tolk
