// Times tolkconv-batch against the limit, one engine process converting the same files one after
// the other with no checks at all, and against the per-file loops a user would otherwise write.
// Each pair is measured in alternated rounds on warm caches; a row shows the medians and the
// median of the rounds' ratios, with its goal:
// - 200 and 2,000 small GPX files to KML, one job and as many jobs as processors, against the
//   limit; at 2,000 files also the speed-up of two jobs over one;
// - one such file against the engine converting it alone;
// - the 200 files against xargs running as many engines at a time and against a shell loop;
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
using tolk::bench::RowGoal;
using tolk::bench::Took;

constexpr int SmallFiles = 200;
constexpr int ManyFiles = 2000;
constexpr int LongTracks = 4;
constexpr int LongTrackPoints = 100000;
// Enough rounds that a median holds against the noise of a shared machine, few enough that the
// table comes within a few minutes.
constexpr int Rounds = 5;
constexpr int OneFileRounds = 11;
constexpr int LoopRounds = 3;

std::size_t FilesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

std::string BatchCommand(const fs::path& root, const std::string& type, int jobs) {
    return "'" + QCoreApplication::applicationDirPath().toStdString() + "/tolkconv-batch' '" +
           (root / "src").string() + "' --source-type " + type +
           " --target-type kml --merge-type '' --grid '' --datum '' --target-folder '" +
           (root / "ours").string() + "' --jobs " + std::to_string(jobs) + " --quiet > /dev/null";
}

std::string Jobs(int jobs) {
    return "tolkconv-batch --jobs " + std::to_string(jobs);
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

// Our command and a reference measured in the same rounds.
void PrintPair(const std::string& what, const std::string& ours, const std::string& reference,
               const std::string& theirs, int files, int rounds, const RowGoal& goal) {
    const auto took = tolk::bench::MeasureAlternated({ours, theirs}, rounds);
    tolk::bench::PrintAlternatedRow(what, took[0], reference, took[1], files, goal);
}

// The small files against the limit with one job and with as many as processors; for many files
// also two jobs against one.
void AgainstTheLimit(const fs::path& root, int files, int jobs, const RowGoal& oneJob,
                     const RowGoal& allJobs, bool speedUp) {
    tolk::bench::MakeBenchFolder(root, files);
    const std::string limit = "the single engine process";
    std::vector<std::string> commands{tolk::bench::SingleEngineRun(root, "shell"),
                                      BatchCommand(root, "gpx", 1),
                                      BatchCommand(root, "gpx", jobs)};
    if (speedUp && jobs != 2) {
        commands.push_back(BatchCommand(root, "gpx", 2));
    }
    const auto took = tolk::bench::MeasureAlternated(commands, Rounds);
    const std::string of = ", " + std::to_string(files) + " small GPX files to KML";
    tolk::bench::PrintAlternatedRow(Jobs(1) + of, took[1], limit, took[0], files, oneJob);
    tolk::bench::PrintAlternatedRow(Jobs(jobs) + of, took[2], limit, took[0], files, allJobs);
    if (speedUp) {
        tolk::bench::PrintAlternatedRow("Speed-up of " + Jobs(2) + " over --jobs 1" + of,
                                        took[commands.size() == 4 ? 3 : 2], Jobs(1), took[1], files,
                                        {"at least 1.60", true});
    }
    fs::remove_all(root);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const fs::path root = tolk::bench::BenchRoot();
    tolk::bench::UseHomeIn(root / "home");
    const int jobs = QThread::idealThreadCount();

    // The 200 files first: on a file system without a journal, the 2,000 targets each round
    // replaces leave a minute or more of freed file numbers that every file made after them
    // searches past, which the limit (rewriting its outputs in place) never pays.
    AgainstTheLimit(root / "some", SmallFiles, jobs, {"at most 1.20"}, {"none"}, false);
    AgainstTheLimit(root / "many", ManyFiles, jobs, {"at most 1.00"}, {"at most 0.65"}, true);

    const fs::path one = root / "one";
    tolk::bench::MakeBenchFolder(one, 1);
    PrintPair("tolkconv-batch, one small GPX file to KML", BatchCommand(one, "gpx", 1),
              "gpsbabel converting it", tolk::bench::EngineShellLoop(one, "shell"), 1,
              OneFileRounds, {"at most 2.00"});

    // What users would otherwise write: one engine start per file.
    const fs::path small = root / "small";
    tolk::bench::MakeBenchFolder(small, SmallFiles);
    PrintPair(Jobs(jobs) + ", 200 small GPX files to KML", BatchCommand(small, "gpx", jobs),
              "what users would otherwise write: xargs -P " + std::to_string(jobs) + " of gpsbabel",
              tolk::bench::EngineXargsRuns(small, "shell", jobs), SmallFiles, LoopRounds,
              {"at most 0.10"});
    PrintPair(Jobs(1) + ", 200 small GPX files to KML", BatchCommand(small, "gpx", 1),
              "what users would otherwise write: a shell loop of gpsbabel",
              tolk::bench::EngineShellLoop(small, "shell"), SmallFiles, LoopRounds,
              {"at most 0.10"});

    const fs::path csv = root / "csv";
    tolk::bench::MakeBenchFolder(csv, 0);
    tolk::bench::AddHeadedCsvFiles(csv, SmallFiles);
    PrintPair(Jobs(1) + ", 200 small headed CSV files to KML (several candidate readers)",
              BatchCommand(csv, "csv", 1), "a shell loop naming the right format",
              tolk::bench::EngineShellLoop(csv, "shell", "csv", "unicsv"), SmallFiles, LoopRounds,
              {"at most 0.15"});

    const fs::path long_ = root / "long";
    tolk::bench::MakeBenchFolder(long_, 0);
    tolk::bench::AddLongTracks(long_, LongTracks, LongTrackPoints);
    // Long enough that one run each says enough; the page cache holds the files just written.
    const Took shell = tolk::bench::MeasureCommand(tolk::bench::EngineShellLoop(long_, "shell"));
    const Took ours = tolk::bench::MeasureCommand(BatchCommand(long_, "gpx", 1));
    const std::string what = Jobs(1) + ", 4 GPX tracks of 100,000 points to KML";
    Compare(what, ours, "shell loop of gpsbabel", shell, long_, LongTracks);
    tolk::bench::PrintTableRow("Peak memory of that run", tolk::bench::MiB(ours.peakKiB),
                               "shell loop of gpsbabel: " + tolk::bench::MiB(shell.peakKiB),
                               static_cast<double>(ours.peakKiB) /
                                   static_cast<double>(shell.peakKiB));
    fs::remove_all(root);
    return 0;
}
