// Times "Convert All" over 200 small GPX files to KML through the gpsbabel host against the same
// 200 conversions run by a plain shell loop of the engine, and prints the ratio of one run each,
// by the clock and by processor time. Then the same for 200 headed CSV files, a type several
// engine formats claim, against a loop that names the right format.
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

void Compare(const std::string& what, const std::string& goal, const Took& ours, const Took& shell,
             const std::string& reference, const QuietView& view) {
    std::printf("%s: %7.3f s, processor %7.3f s (%s)\n", what.c_str(), ours.wall, ours.cpu,
                view.last.c_str());
    std::printf("shell loop:  %7.3f s, processor %7.3f s\n", shell.wall, shell.cpu);
    // On a busy machine the clock mostly measures the other work; processor time does not.
    std::printf("ratio: %.3f (goal: at most %s); by processor time: %.3f\n", ours.wall / shell.wall,
                goal.c_str(), ours.cpu / shell.cpu);
    tolk::bench::PrintTableRow(what, tolk::bench::SecondsForFiles(ours, FileCount),
                               reference + ": " + tolk::bench::SecondsForFiles(shell, FileCount),
                               ours.wall / shell.wall);
}

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const fs::path root = tolk::bench::BenchRoot();
    const std::vector<std::string> names = tolk::bench::MakeBenchFolder(root, FileCount);
    const std::vector<std::string> csvNames = tolk::bench::AddHeadedCsvFiles(root, FileCount);

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
    Compare("Convert All, 200 GPX files to KML", "1.10", ours, shell, "shell loop of gpsbabel",
            view);

    settings.SourceExt = "csv";
    files.SetNames(csvNames);
    tolk::ConversionRun csvRun(settings, host, files, view, messenger);
    const Took csvShell = tolk::bench::MeasureEngineShellLoop(root, "shell", "csv", "unicsv");
    const Took csvOurs = Measure([&] { csvRun.ConvertAll(); });
    Compare("Convert All, 200 headed CSV files to KML (several candidate readers)", "1.30", csvOurs,
            csvShell, "shell loop naming the right format", view);
    fs::remove_all(root);
    return 0;
}
