// Times "Convert All" over 200 small GPX files to KML through the gpsbabel host against the same
// 200 conversions run by a plain shell loop of the engine, and prints the ratio of one run each,
// by the clock and by processor time.
#include "BenchSupport.h"
#include "convert/RunPresenter.h"
#include "host/GpsBabelHost.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using tolk::bench::Measure;
using tolk::bench::Took;

constexpr int FileCount = 200;

class QuietSink : public tolk::RunSink {
public:
    void ShowStatus(const std::string& text) override { last = text; }
    void ShowMessage(const std::string& text) override {
        std::printf("message: %s\n", text.c_str());
    }
    void FileDone(int, const tolk::FileOutcome&) override {}
    void ReportError(const std::string& text) override { std::printf("error: %s\n", text.c_str()); }

    std::string last;
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const fs::path root = tolk::bench::BenchRoot();
    const std::vector<std::string> names = tolk::bench::MakeBenchFolder(root, FileCount);

    tolk::ConversionSettings settings;
    settings.SourceFldr = (root / "src").string();
    settings.TargetFldr = (root / "ours").string();
    settings.SourceExt = "gpx";
    settings.TargetExt = "kml";
    // One job per processor, as the window runs them.
    std::deque<tolk::HostConnection> hosts;
    std::vector<tolk::HostConnection*> jobs;
    for (auto& link :
         tolk::CreateGpsBabelHosts(tolk::GpsBabelConfig(), QThread::idealThreadCount())) {
        jobs.push_back(&hosts.emplace_back(std::move(link)));
    }
    QuietSink view;

    const Took shell = tolk::bench::MeasureEngineShellLoop(root, "shell");
    const Took ours = Measure([&] {
        tolk::ConversionLoop loop(settings, names, jobs);
        tolk::ConvertAndShow(loop, tolk::RunCommand::ConvertAll, view);
    });

    std::printf("Convert All: %7.3f s, processor %7.3f s (%s)\n", ours.wall, ours.cpu,
                view.last.c_str());
    std::printf("shell loop:  %7.3f s, processor %7.3f s\n", shell.wall, shell.cpu);
    // On a busy machine the clock mostly measures the other work; processor time does not.
    std::printf("ratio: %.3f (goal: at most 0.55); by processor time: %.3f\n",
                ours.wall / shell.wall, ours.cpu / shell.cpu);
    tolk::bench::PrintTableRow(
        "Convert All, 200 GPX files to KML", tolk::bench::SecondsForFiles(ours, FileCount),
        "shell loop of gpsbabel: " + tolk::bench::SecondsForFiles(shell, FileCount),
        ours.wall / shell.wall);
    fs::remove_all(root);
    return 0;
}
