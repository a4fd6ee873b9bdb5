// Times how long the window's event loop goes unanswered during "Convert All" over a long list
// (100,000 names, or as many as the first argument says) with the accessibility bridge on, as
// when a screen reader follows the run: the longest gap between two answers of a 10 ms timer on
// the window's thread, and the peak memory. The host is a stand-in that answers every call at
// once, so the window has more news to show a second than from any engine; with "--engine" after
// the count, small GPX files are converted to KML by the installed gpsbabel instead. The window
// runs on the X platform of a private virtual display with a private session bus, where the
// bridge can reach the accessibility bus.
#include "BenchSupport.h"
#include "WindowBench.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int DefaultFileCount = 100000;
constexpr int TickInterval = 10;
constexpr double GoalMs = 50;
const char* const OnPrivateSession = "TOLK_BENCH_PRIVATE_SESSION";

// Runs this bench again on a virtual display of its own and a session bus of its own.
int RunOnPrivateSession(int argc, char* argv[]) {
    setenv(OnPrivateSession, "1", 1);
    std::vector<char*> command = {const_cast<char*>("xvfb-run"), const_cast<char*>("-a"),
                                  const_cast<char*>("dbus-run-session"), const_cast<char*>("--")};
    command.insert(command.end(), argv, argv + argc);
    command.push_back(nullptr);
    execvp(command.front(), command.data());
    std::perror("xvfb-run");
    return 1;
}

// Converts every file at once and well, writing nothing.
class InstantHost : public tolk::HostLink {
public:
    tolk::HostStatus RefreshData(std::int32_t& result) override { return Done(result); }
    tolk::HostStatus RefreshMap(std::int32_t& result) override { return Done(result); }
    tolk::HostStatus OpenFile(const std::string&, std::int32_t& result) override {
        return Done(result);
    }
    tolk::HostStatus CloseWindow(std::int32_t& result) override { return Done(result); }
    tolk::HostStatus SaveFileAs(const std::string&, std::int32_t& result) override {
        return Done(result);
    }
    tolk::HostStatus MergeFile(const std::string&, std::int32_t& result) override {
        return Done(result);
    }
    tolk::HostStatus GetVersion(std::string& version) override {
        version = "instant stand-in";
        return {};
    }
    tolk::HostStatus ChangeDatum(const std::string&, std::int32_t& result) override {
        return Done(result);
    }
    tolk::HostStatus ChangeGrid(const std::string&, std::int32_t& result) override {
        return Done(result);
    }

private:
    static tolk::HostStatus Done(std::int32_t& result) {
        result = 0;
        return {};
    }
};

// The names "track 0.gpx", ... without files behind them, for the stand-in host; the folders
// are made.
std::vector<std::string> ListedNames(const fs::path& root, int count) {
    for (const char* folder : {"src", "ours"}) {
        fs::create_directories(root / folder);
    }
    std::vector<std::string> names;
    for (int index = 0; index < count; ++index) {
        names.push_back("track " + std::to_string(index) + ".gpx");
    }
    return names;
}

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!std::getenv(OnPrivateSession)) {
        return RunOnPrivateSession(argc, argv);
    }
    const int files = argc > 1 ? std::atoi(argv[1]) : DefaultFileCount;
    const bool engine = argc > 2 && std::string_view(argv[2]) == "--engine";
    const tolk::bench::BenchHome home;
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    QApplication application(argc, argv);
    tolk::bench::BenchWindow bench(engine ? tolk::HostFactory()
                                          : [] { return std::make_unique<InstantHost>(); });
    const fs::path root = tolk::bench::BenchRoot();
    bench.Show(root, engine ? tolk::bench::MakeBenchFolder(root, files) : ListedNames(root, files));
    // Qt's bridge waits for the accessibility bus to be there, which a desktop starts at login;
    // the private session bus starts it when asked. The bridge turns on once it reached it.
    QDBusConnection::sessionBus().interface()->startService(QStringLiteral("org.a11y.Bus"));
    const QDeadlineTimer bridgeDeadline(std::chrono::seconds(10));
    while (!QAccessible::isActive() && !bridgeDeadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    if (!QAccessible::isActive()) {
        std::fprintf(stderr, "The accessibility bridge is not on.\n");
        return 1;
    }
    tolk::bench::EventLoopWaits waits;
    const tolk::bench::Took took = tolk::bench::Measure(
        [&] { waits = tolk::bench::ConvertAllAndTimeTheWaits(bench.Window(), TickInterval); });
    const long peak = PeakKiB();
    std::printf("Convert All over %d files, accessibility on: %.3f s, processor %.3f s (%s); "
                "the event loop's wait at the click %.1f ms, longest after it %.1f ms; "
                "peak memory %s\n",
                files, took.wall, took.cpu, bench.Status().c_str(), waits.click, waits.during,
                tolk::bench::MiB(peak).c_str());
    tolk::bench::PrintTableRow(
        "Longest wait of the window's event loop, Convert All over " + std::to_string(files) +
            " listed files, accessibility on, " + std::to_string(bench.Jobs()) + " jobs, " +
            (engine ? "gpsbabel" : "instant stand-in host"),
        tolk::bench::Milliseconds(waits.Longest()) + " (at the click " +
            tolk::bench::Milliseconds(waits.click) + "; run " +
            tolk::bench::SecondsForFiles(took, files) + ", peak " + tolk::bench::MiB(peak) + ")",
        "goal: " + tolk::bench::Milliseconds(GoalMs), waits.Longest() / GoalMs);
    fs::remove_all(root);
    return 0;
}
