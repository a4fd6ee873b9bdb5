// Times the window's "Convert All" over 200 small GPX files to KML through the gpsbabel host
// against the same 200 conversions run by a plain shell loop of the engine, and prints the ratio
// of one run each, by the clock and by processor time; then the longest time the window's event
// loop went unanswered during the run. With one job the same shows what the host's checks cost a
// file, and 200 headed CSV files, a type several engine formats claim, what choosing the reader
// costs against a loop that names the right format. The window runs under the offscreen platform
// in a home of its own.
#include "BenchSupport.h"
#include "app/Tmainfrm.h"
#include "host/GpsBabelHost.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using tolk::bench::Measure;
using tolk::bench::Took;

constexpr int FileCount = 200;
// How often the event loop is asked to answer while the run goes on.
constexpr auto TickInterval = std::chrono::milliseconds(5);

class QuietMessenger : public tolk::Messenger {
public:
    void ShowMessage(const std::string& text) override {
        std::printf("message: %s\n", text.c_str());
    }
    bool AskYesNo(const std::string&) override { return false; }
    void ReportError(const std::string& text) override { std::printf("error: %s\n", text.c_str()); }
};

// Clicks "Convert All" and lets the event loop run until the run has ended; returns the longest
// time between two answers of a timer that asks every few milliseconds, in milliseconds.
double ConvertAllAndTimeTheLongestWait(tolk::Tmainfrm& window) {
    using Clock = std::chrono::steady_clock;
    QEventLoop loop;
    QTimer ticker;
    ticker.setInterval(TickInterval);
    Clock::time_point last = Clock::now();
    double longest = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const Clock::time_point now = Clock::now();
        longest = std::max(longest, std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
        if (!window.Running()) {
            loop.quit();
        }
    });
    ticker.start();
    window.findChild<QPushButton*>(QStringLiteral("convall"))->click();
    loop.exec();
    return longest;
}

void Compare(const std::string& what, const std::string& goal, const Took& ours, const Took& shell,
             const std::string& reference, const tolk::Tmainfrm& window) {
    const std::string status =
        window.findChild<QLabel*>(QStringLiteral("statuslbl"))->text().toStdString();
    std::printf("%s: %7.3f s, processor %7.3f s (%s)\n", what.c_str(), ours.wall, ours.cpu,
                status.c_str());
    std::printf("shell loop:  %7.3f s, processor %7.3f s\n", shell.wall, shell.cpu);
    // On a busy machine the clock mostly measures the other work; processor time does not.
    std::printf("ratio: %.3f (goal: at most %s); by processor time: %.3f\n", ours.wall / shell.wall,
                goal.c_str(), ours.cpu / shell.cpu);
    tolk::bench::PrintTableRow(what, tolk::bench::SecondsForFiles(ours, FileCount),
                               reference + ": " + tolk::bench::SecondsForFiles(shell, FileCount),
                               ours.wall / shell.wall);
}

} // namespace

int main(int argc, char* argv[]) {
    const QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", (home.path() + QStringLiteral("/etc/xdg")).toLocal8Bit());
    qputenv("TOLK_STATE_DIR", (home.path() + QStringLiteral("/state")).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DOCUMENTS_DIR"}) {
        qunsetenv(name);
    }
    QApplication application(argc, argv);
    const fs::path root = tolk::bench::BenchRoot();
    const std::vector<std::string> names = tolk::bench::MakeBenchFolder(root, FileCount);
    const std::vector<std::string> csvNames = tolk::bench::AddHeadedCsvFiles(root, FileCount);

    QuietMessenger messenger;
    tolk::AppServices services{messenger,
                               [] { return tolk::CreateGpsBabelHost(tolk::GpsBabelConfig()); },
                               (home.path() + QStringLiteral("/bin/tolkconv")).toStdString()};
    tolk::ProgramRecords records;
    tolk::Tmainfrm window(records, services);
    window.show();
    tolk::ConversionSettings& settings = records.Settings;
    settings.SourceFldr = (root / "src").string();
    settings.TargetFldr = (root / "ours").string();
    settings.SourceExt = "gpx";
    settings.MergeExt.clear();
    settings.TargetExt = "kml";
    settings.Grid.clear();
    settings.Datum.clear();
    window.FileList().SetNames(names);
    window.FileList().SetCurrentIndex(0);

    const Took shell = tolk::bench::MeasureEngineShellLoop(root, "shell");
    double longestWait = 0;
    const Took ours = Measure([&] { longestWait = ConvertAllAndTimeTheLongestWait(window); });
    Compare("Convert All in the window, 200 GPX files to KML, " +
                std::to_string(services.conversionJobs) + " jobs",
            "0.55 on two processors", ours, shell, "shell loop of gpsbabel", window);
    std::printf("longest wait of the window's event loop: %.1f ms (goal: at most 50 ms)\n",
                longestWait);
    tolk::bench::PrintTableRow("Longest wait of the window's event loop during that run",
                               tolk::bench::Milliseconds(longestWait), "goal: 50 ms",
                               longestWait / 50);

    services.conversionJobs = 1;
    const Took oneJob = Measure([&] { ConvertAllAndTimeTheLongestWait(window); });
    Compare("Convert All, one job, 200 GPX files to KML", "1.10", oneJob, shell,
            "shell loop of gpsbabel", window);

    settings.SourceExt = "csv";
    window.FileList().SetNames(csvNames);
    window.FileList().SetCurrentIndex(0);
    const Took csvShell = tolk::bench::MeasureEngineShellLoop(root, "shell", "csv", "unicsv");
    const Took csvOurs = Measure([&] { ConvertAllAndTimeTheLongestWait(window); });
    Compare("Convert All, one job, 200 headed CSV files to KML (several candidate readers)", "1.30",
            csvOurs, csvShell, "shell loop naming the right format", window);
    fs::remove_all(root);
    return 0;
}
