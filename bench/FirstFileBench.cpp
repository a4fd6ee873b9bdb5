// Times tolkconv-batch converting the first file of a folder whose type several engine formats
// claim, so that its reader is still to be chosen, against the bare engine run naming the right
// reader, and prints the ratio:
// - a headed CSV file (.csv), with one job and with a job per processor;
// - a CSV file of two header rows, which the reader its header names does not read believably, so
//   that every candidate reads it: with one job (one after another) against one engine run, and
//   with a job per processor (the idle jobs' engines read candidates side by side) against one job;
// - an NMEA log of ten minutes saved as .txt, whose reader the file's records name.
// Each command runs 10 times in a row, each time a new process: the first file every time.
#include "BenchSupport.h"
#include "host/engine/EngineLocator.h"
#include "host/formats/LeadingShape.h"
#include "host/reading/ContentReaders.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using tolk::bench::Took;

constexpr int Repeats = 10;
constexpr int LogFixes = 600;

// A fix a second near Zurich, told by a position sentence and a recommended minimum one.
void WriteNmeaLog(const fs::path& path) {
    std::ofstream log(path, std::ios::binary);
    for (int fix = 0; fix < LogFixes; ++fix) {
        char time[16];
        char place[64];
        std::snprintf(time, sizeof time, "10%02d%02d.00", fix / 60, fix % 60);
        std::snprintf(place, sizeof place, "4724.%04d,N,00830.%04d,E", 1000 + fix, 4000 + fix);
        log << "$GPGGA," << time << "," << place << ",1,08,0.9,400.0,M,48.0,M,,\r\n"
            << "$GPRMC," << time << ",A," << place << ",0.0,0.0,010120,,,A\r\n";
    }
}

// The reader the engine lists for the file's records, as the converter finds it.
std::string ReaderNamedByContent(const fs::path& file) {
    const auto engine = tolk::FindWorkingGpsBabel(std::chrono::seconds(30), false);
    tolk::LearnedFormats learned(engine->version, "");
    const std::string leading = tolk::LeadingBytes(file.string());
    const auto readers =
        tolk::ContentReaders(tolk::ShapeOf(leading), leading, engine->formats, learned,
                             tolk::EngineRunner(engine->program, std::chrono::seconds(30)));
    return readers.empty() ? std::string() : readers.front().format.name;
}

std::string Repeated(const std::string& command) {
    return "for i in $(seq " + std::to_string(Repeats) + "); do " + command + "; done";
}

std::string BatchCommand(const fs::path& root, const std::string& type, int jobs = 1) {
    return Repeated("'" + QCoreApplication::applicationDirPath().toStdString() +
                    "/tolkconv-batch' '" + (root / "src").string() + "' --source-type " + type +
                    " --target-type kml --merge-type '' --grid '' --datum '' --target-folder '" +
                    (root / "ours").string() + "' --jobs " + std::to_string(jobs) +
                    " --quiet > /dev/null 2>&1");
}

// Time, latitude and longitude under a row of names and a row of units.
void WriteTwoHeaderCsv(const fs::path& path) {
    std::ofstream file(path);
    file << "time,lat,lon\n,(deg),(deg)\n";
    for (int point = 0; point < 20; ++point) {
        file << "2026-05-01T08:" << (point < 10 ? "0" : "") << point << ":00Z," << 47 + point * 0.01
             << "," << 8 + point * 0.01 << "\n";
    }
}

std::string EngineCommand(const fs::path& root, const std::string& file,
                          const std::string& reader) {
    return Repeated("gpsbabel -i " + reader + " -f '" + (root / "src" / file).string() +
                    "' -o kml -F '" + (root / "shell" / "out.kml").string() + "'");
}

// Each after an untimed run of its own: the engine and the file in the page cache, and what our
// command learns of the engine once per engine version learned.
void Compare(const std::string& what, const std::string& ours, const std::string& reference,
             const std::string& theirs) {
    tolk::bench::MeasureCommand(theirs);
    tolk::bench::MeasureCommand(ours);
    const Took engine = tolk::bench::MeasureCommand(theirs);
    const Took batch = tolk::bench::MeasureCommand(ours);
    std::printf("%s: %7.3f s for %d runs; %s: %7.3f s\n", what.c_str(), batch.wall, Repeats,
                reference.c_str(), engine.wall);
    tolk::bench::PrintTableRow(what, tolk::bench::Milliseconds(1000 * batch.wall / Repeats),
                               reference + ": " +
                                   tolk::bench::Milliseconds(1000 * engine.wall / Repeats),
                               batch.wall / engine.wall);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const fs::path root = tolk::bench::BenchRoot();
    tolk::bench::UseHomeIn(root / "home");

    const fs::path csv = root / "csv";
    tolk::bench::MakeBenchFolder(csv, 0);
    const std::string csvFile = tolk::bench::AddHeadedCsvFiles(csv, 1).front();
    const int processors = QThread::idealThreadCount();
    const std::string jobs = ", --jobs " + std::to_string(processors);
    Compare("tolkconv-batch, the first headed CSV file of a folder to KML",
            BatchCommand(csv, "csv"), "gpsbabel naming the right reader",
            EngineCommand(csv, csvFile, "unicsv"));
    Compare("tolkconv-batch, the first headed CSV file of a folder to KML" + jobs,
            BatchCommand(csv, "csv", processors), "gpsbabel naming the right reader",
            EngineCommand(csv, csvFile, "unicsv"));

    const fs::path rows = root / "rows";
    tolk::bench::MakeBenchFolder(rows, 0);
    WriteTwoHeaderCsv(rows / "src" / "log 0.csv");
    Compare("tolkconv-batch, the first CSV file of two header rows to KML (every candidate read)",
            BatchCommand(rows, "csv"), "one gpsbabel run (csv)",
            EngineCommand(rows, "log 0.csv", "csv"));
    Compare("tolkconv-batch, the first CSV file of two header rows to KML" + jobs,
            BatchCommand(rows, "csv", processors), "the same with --jobs 1",
            BatchCommand(rows, "csv"));

    const fs::path nmea = root / "nmea";
    tolk::bench::MakeBenchFolder(nmea, 0);
    WriteNmeaLog(nmea / "src" / "log 0.txt");
    Compare("tolkconv-batch, the first NMEA log (.txt) of a folder to KML",
            BatchCommand(nmea, "txt"), "gpsbabel naming the right reader",
            EngineCommand(nmea, "log 0.txt", ReaderNamedByContent(nmea / "src" / "log 0.txt")));
    fs::remove_all(root);
    return 0;
}
