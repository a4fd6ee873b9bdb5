// Times tolkconv-batch --recursive --only-newer over a tree of 10,000 GPX files whose targets are
// all up to date (it converts nothing: it lists the tree and compares each file's time with its
// target's) against `find -newer` over the same tree, which looks at each file's time once. Both
// run once untimed, then five times each; the table shows the median of each.
#include "BenchSupport.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int Folders = 100;
constexpr int FilesPerFolder = 100;
constexpr int TimedRuns = 5;

// A year folder per ten trips, a hundred small files a trip; each target written after its file
// last changed (the file's time set an hour back is itself a change, made now).
void MakeTree(const fs::path& root) {
    const auto now = fs::file_time_type::clock::now();
    const auto written = now - std::chrono::hours(1);
    const auto converted = now + std::chrono::minutes(1);
    for (int folder = 0; folder < Folders; ++folder) {
        const fs::path trip =
            fs::path("year " + std::to_string(folder % 10)) / ("trip " + std::to_string(folder));
        fs::create_directories(root / "src" / trip);
        fs::create_directories(root / "ours" / trip);
        for (int file = 0; file < FilesPerFolder; ++file) {
            const std::string name = "track " + std::to_string(file);
            std::ofstream(root / "src" / trip / (name + ".gpx")) << "<gpx/>\n";
            fs::last_write_time(root / "src" / trip / (name + ".gpx"), written);
            std::ofstream(root / "ours" / trip / (name + ".kml")) << "<kml/>\n";
            fs::last_write_time(root / "ours" / trip / (name + ".kml"), converted);
        }
    }
    std::ofstream(root / "stamp");
}

// The median wall time of the timed runs, in milliseconds, after one untimed run.
double MedianMilliseconds(const std::string& command) {
    const auto run = [&command] {
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "Failed: %s\n", command.c_str());
        }
    };
    run();
    std::vector<double> times;
    for (int time = 0; time < TimedRuns; ++time) {
        times.push_back(tolk::bench::Measure(run).wall * 1000);
    }
    std::sort(times.begin(), times.end());
    return times[TimedRuns / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const fs::path root = tolk::bench::BenchRoot();
    MakeTree(root);
    tolk::bench::UseHomeIn(root / "home");
    const std::string files = std::to_string(Folders * FilesPerFolder);

    const std::string ours = "'" + QCoreApplication::applicationDirPath().toStdString() +
                             "/tolkconv-batch' '" + (root / "src").string() +
                             "' --recursive --only-newer --source-type gpx --target-type kml "
                             "--merge-type '' --grid '' --datum '' --target-folder '" +
                             (root / "ours").string() + "' --quiet";
    const std::string reference = "find '" + (root / "src").string() + "' -name '*.gpx' -newer '" +
                                  (root / "stamp").string() + "' > /dev/null";
    std::fprintf(stderr, "Our command says:\n");
    std::fflush(stderr);
    if (std::system((ours + " >&2").c_str()) != 0) {
        std::fprintf(stderr, "The command failed.\n");
    }
    const double oursTime = MedianMilliseconds(ours + " > /dev/null");
    const double findTime = MedianMilliseconds(reference);

    std::printf("tolkconv-batch --only-newer: %.1f ms; find -newer: %.1f ms; ratio %.2f (goal: at "
                "most 2)\n",
                oursTime, findTime, oursTime / findTime);
    tolk::bench::PrintTableRow(
        "tolkconv-batch --recursive --only-newer, " + files + " files up to date",
        tolk::bench::Milliseconds(oursTime), "find -newer: " + tolk::bench::Milliseconds(findTime),
        oursTime / findTime);
    fs::remove_all(root);
    return 0;
}
