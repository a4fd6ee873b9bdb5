// Times the window's "Convert All" over 200 small GPX files to KML through the gpsbabel host
// against tolkconv-batch doing the same with as many jobs, and prints the ratio of one run each
// (each after a run of its own that brings everything into the page cache); then the longest
// time the window's event loop went unanswered during the run. The window runs under the
// offscreen platform in a home of its own.
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

Took ConvertAllInTheWindow(tolk::Tmainfrm& window, double& longestWait) {
    return Measure([&] { longestWait = ConvertAllAndTimeTheLongestWait(window); });
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

    QuietMessenger messenger;
    tolk::GpsBabelHostFactory hosts;
    tolk::AppServices services{
        messenger, [&hosts] { return std::move(hosts.Create(tolk::GpsBabelConfig(), 1).front()); },
        QCoreApplication::applicationDirPath().toStdString() + "/tolkconv"};
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

    const std::string jobs = std::to_string(services.conversionJobs);
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
    const std::string status =
        window.findChild<QLabel*>(QStringLiteral("statuslbl"))->text().toStdString();
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
