// Times the window's "Convert All" over 200 small GPX files to KML through the gpsbabel host
// against tolkconv-batch doing the same with as many jobs, and prints the ratio of one run each
// (each after a run of its own that brings everything into the page cache); then the longest
// time the window's event loop went unanswered during the run. The window runs under the
// offscreen platform in a home of its own.
#include "BenchSupport.h"
#include "WindowBench.h"

#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using tolk::bench::Measure;
using tolk::bench::Took;

constexpr int FileCount = 200;
// How often, in milliseconds, the event loop is asked to answer while the run goes on.
constexpr int TickInterval = 5;

Took ConvertAllInTheWindow(tolk::Tmainfrm& window, double& longestWait) {
    return Measure([&] {
        longestWait = tolk::bench::ConvertAllAndTimeTheWaits(window, TickInterval).Longest();
    });
}

} // namespace

int main(int argc, char* argv[]) {
    const tolk::bench::BenchHome home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tolk::bench::BenchWindow bench;
    const fs::path root = tolk::bench::BenchRoot();
    bench.Show(root, tolk::bench::MakeBenchFolder(root, FileCount));
    tolk::Tmainfrm& window = bench.Window();

    const std::string jobs = std::to_string(bench.Jobs());
    const std::string batch =
        "'" + QCoreApplication::applicationDirPath().toStdString() + "/tolkconv-batch' '" +
        (root / "src").string() +
        "' --source-type gpx --target-type kml --merge-type '' --grid '' --datum '' "
        "--target-folder '" +
        (root / "shell").string() + "' --jobs " + jobs + " --quiet > /dev/null";
    double longestWait = 0;
    ConvertAllInTheWindow(window, longestWait);
    tolk::bench::MeasureCommand(batch);
    const Took ours = ConvertAllInTheWindow(window, longestWait);
    const Took command = tolk::bench::MeasureCommand(batch);
    const std::string status = bench.Status();
    std::printf("Convert All: %7.3f s, processor %7.3f s (%s)\n", ours.wall, ours.cpu,
                status.c_str());
    std::printf("tolkconv-batch --jobs %s: %7.3f s, processor %7.3f s\n", jobs.c_str(),
                command.wall, command.cpu);
    tolk::bench::PrintTableRow(
        "Convert All in the window, 200 small GPX files to KML, " + jobs + " jobs",
        tolk::bench::SecondsForFiles(ours, FileCount),
        "tolkconv-batch --jobs " + jobs + ": " + tolk::bench::SecondsForFiles(command, FileCount),
        ours.wall / command.wall);
    std::printf("longest wait of the window's event loop: %.1f ms (goal: at most 50 ms)\n",
                longestWait);
    tolk::bench::PrintTableRow("Longest wait of the window's event loop during that run",
                               tolk::bench::Milliseconds(longestWait), "goal: 50 ms",
                               longestWait / 50);
    fs::remove_all(root);
    return 0;
}
