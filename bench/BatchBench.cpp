// Times tolkconv-batch with as many jobs as processors over 200 small GPX files to KML against
// the same 200 conversions run one after the other by a plain shell loop of the engine, and
// prints the ratio of one run each.
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int FileCount = 200;

std::size_t FilesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const fs::path root = tolk::bench::BenchRoot();
    tolk::bench::MakeBenchFolder(root, FileCount);
    tolk::bench::UseHomeIn(root / "home");

    const int jobs = QThread::idealThreadCount();
    const std::string command =
        "'" + QCoreApplication::applicationDirPath().toStdString() + "/tolkconv-batch' '" +
        (root / "src").string() + "' --source-type gpx --target-type kml --merge-type '' " +
        "--grid '' --datum '' --target-folder '" + (root / "ours").string() + "' --jobs " +
        std::to_string(jobs) + " --quiet > /dev/null";

    const tolk::bench::Took shell = tolk::bench::MeasureEngineShellLoop(root, "shell");
    int status = 0;
    const tolk::bench::Took ours =
        tolk::bench::Measure([&] { status = std::system(command.c_str()); });

    std::printf("tolkconv-batch --jobs %d: %7.3f s, processor %7.3f s (exit %d, %zu files)\n", jobs,
                ours.wall, ours.cpu, WEXITSTATUS(status), FilesIn(root / "ours"));
    std::printf("shell loop:  %7.3f s, processor %7.3f s (%zu files)\n", shell.wall, shell.cpu,
                FilesIn(root / "shell"));
    std::printf("ratio: %.3f (goal: at most 0.6 on 2 cores); by processor time: %.3f\n",
                ours.wall / shell.wall, ours.cpu / shell.cpu);
    tolk::bench::PrintTableRow(
        "tolkconv-batch --jobs " + std::to_string(jobs) + ", 200 GPX files to KML",
        tolk::bench::SecondsForFiles(ours, FileCount),
        "shell loop of gpsbabel: " + tolk::bench::SecondsForFiles(shell, FileCount),
        ours.wall / shell.wall);
    fs::remove_all(root);
    return 0;
}
