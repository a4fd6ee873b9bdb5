// Times listing a folder of 100,000 files, a few thousand of them of the source type, against
// the shell pipeline `ls -f | grep | sort -f` on the same folder, and prints the ratio of one
// run each (after one untimed run of each, which brings the folder into the cache).
#include "BenchSupport.h"
#include "convert/SourceFileList.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int FileCount = 100000;
constexpr int SourceTypeEvery = 25; // 4,000 files of the source type

void MakeFolder(const fs::path& folder) {
    const char* const otherTypes[] = {".txt", ".gpx", ".kml", ".wpt", ".plt.bak", ""};
    fs::create_directories(folder);
    for (int i = 0; i < FileCount; ++i) {
        std::string name =
            (i % 3 == 0 ? "Track_" : "track_") + std::to_string(i * 7919 % FileCount);
        if (i % SourceTypeEvery == 0) {
            name += i % 2 == 0 ? ".plt" : ".PLT";
        } else {
            name += otherTypes[i % std::size(otherTypes)];
        }
        std::ofstream(folder / name);
    }
}

// Milliseconds of the second of two runs.
double Milliseconds(const std::function<void()>& action) {
    action();
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

int main() {
    const fs::path folder = fs::temp_directory_path() / ("tolk-bench-" + std::to_string(getpid()));
    std::printf("Making %d files in %s ...\n", FileCount, folder.c_str());
    MakeFolder(folder);

    int listed = 0;
    const double ours = Milliseconds([&] {
        tolk::SourceFileList files; // a fresh list always reads the folder
        files.RefreshFileList(folder.string(), "plt");
        listed = files.Count();
    });
    const std::string pipeline =
        "ls -f '" + folder.string() + "' | grep -i '\\.plt$' | LC_ALL=C sort -f > /dev/null";
    const double shell = Milliseconds([&] {
        if (std::system(pipeline.c_str()) != 0) {
            std::fprintf(stderr, "The shell pipeline failed.\n");
        }
    });

    std::printf("RefreshFileList: %8.2f ms (%d names listed)\n", ours, listed);
    std::printf("ls | grep | sort: %7.2f ms\n", shell);
    std::printf("ratio: %.2f (goal: at most 1.5)\n", ours / shell);
    tolk::bench::PrintTableRow(
        "List refresh, 100,000 files (4,000 listed)", tolk::bench::Milliseconds(ours),
        "ls -f, grep, sort -f: " + tolk::bench::Milliseconds(shell), ours / shell);
    fs::remove_all(folder);
    return 0;
}
