// Times tolkconv-batch against the loops a user would write around the engine, one engine start
// per file, and prints the ratio of one run each:
// - 200 small GPX files to KML with as many jobs as processors, against xargs running as many
//   engines at a time;
// - the same with one job, against a plain shell loop;
// - 200 small headed CSV files (a type several engine formats claim) with one job, against a
//   shell loop that names the right format;
// - 4 long GPX tracks to KML with one job, against a shell loop: the time and the peak memory.
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using tolk::bench::Took;

constexpr int SmallFiles = 200;
constexpr int LongTracks = 4;
constexpr int LongTrackPoints = 100000;

std::size_t FilesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

std::string BatchCommand(const fs::path& root, const std::string& type, int jobs) {
    return "'" + QCoreApplication::applicationDirPath().toStdString() + "/tolkconv-batch' '" +
           (root / "src").string() + "' --source-type " + type +
           " --target-type kml --merge-type '' --grid '' --datum '' --target-folder '" +
           (root / "ours").string() + "' --jobs " + std::to_string(jobs) + " --quiet > /dev/null";
}

void Compare(const std::string& what, const Took& ours, const std::string& reference,
             const Took& theirs, const fs::path& root, int files) {
    std::printf("%s: %7.3f s, processor %7.3f s, peak %ld KiB (%zu files)\n", what.c_str(),
                ours.wall, ours.cpu, ours.peakKiB, FilesIn(root / "ours"));
    std::printf("%s: %7.3f s, processor %7.3f s, peak %ld KiB (%zu files)\n", reference.c_str(),
                theirs.wall, theirs.cpu, theirs.peakKiB, FilesIn(root / "shell"));
    tolk::bench::PrintTableRow(what, tolk::bench::SecondsForFiles(ours, files),
                               reference + ": " + tolk::bench::SecondsForFiles(theirs, files),
                               ours.wall / theirs.wall);
}

// Our run and the reference's, each after an untimed run of its own: that brings the engine and
// the files into the page cache, and lets our command learn what it learns of the engine once
// per engine version. Both then replace the files their first runs wrote.
void Measure(const std::string& what, const fs::path& root, const std::string& ours,
             const std::string& reference, const std::string& theirs, int files) {
    tolk::bench::MeasureCommand(theirs);
    tolk::bench::MeasureCommand(ours);
    const Took shell = tolk::bench::MeasureCommand(theirs);
    const Took batch = tolk::bench::MeasureCommand(ours);
    Compare(what, batch, reference, shell, root, files);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const fs::path root = tolk::bench::BenchRoot();
    tolk::bench::UseHomeIn(root / "home");
    const int jobs = QThread::idealThreadCount();

    const fs::path small = root / "small";
    tolk::bench::MakeBenchFolder(small, SmallFiles);
    Measure("tolkconv-batch --jobs " + std::to_string(jobs) + ", 200 small GPX files to KML", small,
            BatchCommand(small, "gpx", jobs), "xargs -P " + std::to_string(jobs) + " of gpsbabel",
            tolk::bench::EngineXargsRuns(small, "shell", jobs), SmallFiles);
    Measure("tolkconv-batch --jobs 1, 200 small GPX files to KML", small,
            BatchCommand(small, "gpx", 1), "shell loop of gpsbabel",
            tolk::bench::EngineShellLoop(small, "shell"), SmallFiles);

    const fs::path csv = root / "csv";
    tolk::bench::MakeBenchFolder(csv, 0);
    tolk::bench::AddHeadedCsvFiles(csv, SmallFiles);
    Measure("tolkconv-batch --jobs 1, 200 small headed CSV files to KML (several candidate "
            "readers)",
            csv, BatchCommand(csv, "csv", 1), "shell loop naming the right format",
            tolk::bench::EngineShellLoop(csv, "shell", "csv", "unicsv"), SmallFiles);

    const fs::path long_ = root / "long";
    tolk::bench::MakeBenchFolder(long_, 0);
    tolk::bench::AddLongTracks(long_, LongTracks, LongTrackPoints);
    // Long enough that one run each says enough; the page cache holds the files just written.
    const Took shell = tolk::bench::MeasureCommand(tolk::bench::EngineShellLoop(long_, "shell"));
    const Took ours = tolk::bench::MeasureCommand(BatchCommand(long_, "gpx", 1));
    const std::string what = "tolkconv-batch --jobs 1, 4 GPX tracks of 100,000 points to KML";
    Compare(what, ours, "shell loop of gpsbabel", shell, long_, LongTracks);
    tolk::bench::PrintTableRow("Peak memory of that run", tolk::bench::MiB(ours.peakKiB),
                               "shell loop of gpsbabel: " + tolk::bench::MiB(shell.peakKiB),
                               static_cast<double>(ours.peakKiB) /
                                   static_cast<double>(shell.peakKiB));
    fs::remove_all(root);
    return 0;
}
