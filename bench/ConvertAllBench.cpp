// Times "Convert All" over 200 small GPX files to KML through the gpsbabel host against the same
// 200 conversions run by a plain shell loop of the engine, and prints the ratio of one run each,
// by the clock and by processor time.
#include "BenchSupport.h"
#include "convert/ConversionRun.h"
#include "host/GpsBabelHost.h"

#include <QCoreApplication>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using tolk::bench::Measure;
using tolk::bench::Took;

constexpr int FileCount = 200;

class QuietView : public tolk::RunView {
public:
    void ShowStatus(const std::string& text) override { last = text; }
    void ShowResultCode(std::int32_t) override {}
    std::optional<std::string> TakeEditedTargetFolder() override { return std::nullopt; }
    void BringToFront() override {}

    std::string last;
};

class QuietMessenger : public tolk::Messenger {
public:
    void ShowMessage(const std::string& text) override {
        std::printf("message: %s\n", text.c_str());
    }
    bool AskYesNo(const std::string&) override { return false; }
    void ReportError(const std::string& text) override { std::printf("error: %s\n", text.c_str()); }
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
    tolk::SourceFileList files;
    files.SetNames(names);

    tolk::HostConnection host(tolk::CreateGpsBabelHost(tolk::GpsBabelConfig()));
    QuietView view;
    QuietMessenger messenger;
    tolk::ConversionRun run(settings, host, files, view, messenger);

    const Took shell = tolk::bench::MeasureEngineShellLoop(root, "shell");
    const Took ours = Measure([&] { run.ConvertAll(); });

    std::printf("Convert All: %7.3f s, processor %7.3f s (%s)\n", ours.wall, ours.cpu,
                view.last.c_str());
    std::printf("shell loop:  %7.3f s, processor %7.3f s\n", shell.wall, shell.cpu);
    // On a busy machine the clock mostly measures the other work; processor time does not.
    std::printf("ratio: %.3f (goal: at most 1.10); by processor time: %.3f\n",
                ours.wall / shell.wall, ours.cpu / shell.cpu);
    tolk::bench::PrintTableRow(
        "Convert All, 200 GPX files to KML", tolk::bench::SecondsForFiles(ours, FileCount),
        "shell loop of gpsbabel: " + tolk::bench::SecondsForFiles(shell, FileCount),
        ours.wall / shell.wall);
    fs::remove_all(root);
    return 0;
}
