// Times start-up, from starting the program's process to its event loop running with the main
// window shown, against the same for a Qt program that shows one empty window: the best of a few
// runs each, after one untimed run of each. The program is timed twice: with what the engine
// answered already in its cache (every start after the first) and with an empty cache (the first
// start, or the first after gpsbabel changed). A window that shows one line of text is timed
// too, for the share of start-up that is Qt setting up its fonts, which an empty window never
// does before it is shown. All run under the offscreen platform in a home of their own.
#include "BenchSupport.h"
#include "app/ProgramEntry.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string_view>

namespace {

const char* const ProgramMode = "--program";
const char* const EmptyWindowMode = "--empty-window";
const char* const TextWindowMode = "--text-window";
const char* const ShownLine = "shown";
constexpr int TimedRuns = 5;
// How many times an empty window's start-up the program's warm start-up may take.
constexpr double WarmGoal = 2;

// Once the main window has been shown and the event loop has come round, says so on standard
// output and closes the window, which ends the program.
class ShownReporter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !m_seen && watched->objectName() == "mainfrm") {
            m_seen = true;
            auto* window = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, window, [window] {
                std::puts(ShownLine);
                std::fflush(stdout);
                window->close();
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

int RunMeasured(int argc, char* argv[], std::string_view mode) {
    QApplication application(argc, argv);
    ShownReporter reporter;
    application.installEventFilter(&reporter);
    if (mode == ProgramMode) {
        return tolk::RunProgram();
    }
    QWidget window;
    window.setObjectName(QStringLiteral("mainfrm"));
    if (mode == TextWindowMode) {
        new QLabel(QStringLiteral("Converted 2 files."), &window);
    }
    window.show();
    return QApplication::exec();
}

// Milliseconds from starting this executable in the mode to its report; negative on failure.
double TimeStart(const char* mode, const QString& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), home);
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DOCUMENTS_DIR", "XDG_CACHE_HOME"}) {
        environment.remove(QString::fromLatin1(name));
    }
    // Neither the system configuration nor the machine-wide record are the real ones.
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), home + QStringLiteral("/etc/xdg"));
    environment.insert(QStringLiteral("TOLK_STATE_DIR"), home + QStringLiteral("/state"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const auto start = std::chrono::steady_clock::now();
    process.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(mode)});
    while (!process.canReadLine() && process.waitForReadyRead(60000)) {
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    const bool shown = process.readLine().trimmed() == ShownLine;
    process.waitForFinished();
    return shown && process.exitCode() == 0 ? took.count() : -1;
}

// The best of the timed runs in milliseconds, negative when one failed; with a cold cache, the
// home's cache folder is removed before each run.
double BestStart(const char* mode, const QString& home, bool cold) {
    double best = -1;
    for (int run = 0; run < TimedRuns; ++run) {
        if (cold) {
            QDir(home + QStringLiteral("/.cache")).removeRecursively();
        }
        const double took = TimeStart(mode, home);
        if (took < 0) {
            return -1;
        }
        best = best < 0 ? took : std::min(best, took);
    }
    return best;
}

} // namespace

int main(int argc, char* argv[]) {
    for (const char* mode : {ProgramMode, EmptyWindowMode, TextWindowMode}) {
        if (argc == 2 && std::string_view(argv[1]) == mode) {
            return RunMeasured(argc, argv, mode);
        }
    }
    QCoreApplication application(argc, argv);
    QTemporaryDir home;
    TimeStart(EmptyWindowMode, home.path());
    TimeStart(ProgramMode, home.path());
    const double empty = BestStart(EmptyWindowMode, home.path(), false);
    const double warm = BestStart(ProgramMode, home.path(), false);
    const double cold = BestStart(ProgramMode, home.path(), true);
    const double text = BestStart(TextWindowMode, home.path(), false);
    if (empty < 0 || warm < 0 || cold < 0 || text < 0) {
        std::fprintf(stderr, "A start-up did not show its window.\n");
        return 1;
    }
    std::printf("Start-up to window shown: %.1f ms with a warm cache, %.1f ms with a cold one; "
                "an empty Qt window: %.1f ms; one with a line of text: %.1f ms\n",
                warm, cold, empty, text);
    const std::string reference = "empty Qt window: " + tolk::bench::Milliseconds(empty);
    char warmRow[80];
    std::snprintf(warmRow, sizeof warmRow,
                  "Start-up to window shown, warm cache (offscreen), goal %.0f", WarmGoal);
    tolk::bench::PrintTableRow(warmRow, tolk::bench::Milliseconds(warm), reference, warm / empty);
    tolk::bench::PrintTableRow("Start-up to window shown, cold cache (offscreen)",
                               tolk::bench::Milliseconds(cold), reference, cold / empty);
    std::printf("goal: warm start-up at most %.0f times an empty Qt window's; a window showing one "
                "line of text takes %.2f times it\n",
                WarmGoal, text / empty);
    return 0;
}
