#include "batch/BatchWatch.h"

#include "batch/BatchCommand.h"
#include "batch/FolderWatch.h"
#include "convert/RunPresenter.h"
#include "core/ErrorReport.h"
#include "core/TolkError.h"
#include "core/Translate.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace tolk {
namespace {

// A signal's handler can only set a flag; the watch looks at it this often.
constexpr std::chrono::milliseconds StopAskedEvery(100);

// The end of each conversion while watching: its messages and errors as always, but not its
// summary nor its note of files that kept only part of their data; the watch's own totals come
// when it ends.
class WatchSink : public CommandSink {
public:
    explicit WatchSink(Console& console) : m_console(console) {}
    void ShowStatus(const std::string&) override {}
    void ShowNote(const std::string&) override {}
    void ShowMessage(const std::string& text) override { m_console.ShowMessage(text); }
    void ReportError(const std::string& message) override { m_console.ReportError(message); }

private:
    Console& m_console;
};

FolderWatch::Setup WatchSetup(const ConversionSettings& settings, const BatchOptions& options) {
    return {settings.SourceFldr,
            settings.SourceExt,
            settings.MergeExt,
            options.recursive,
            settings.TargetFldr,
            options.settle,
            [shard = options.shard](const std::string& name) { return InShard(shard, name); }};
}

// What the files converted while watching came to: each file counts once, as its last
// conversion came out, so a file that failed and then converted counts as converted.
class WatchedFiles {
public:
    void Add(const BatchRun::Result& result) {
        for (const std::string& name : result.names) {
            m_converted[name] = true;
        }
        for (const int index : result.totals.notConverted) {
            m_converted[result.names[static_cast<std::size_t>(index)]] = false;
        }
        m_partlyKept += result.totals.partlyKept;
    }
    RunTotals Totals() const {
        RunTotals totals;
        totals.done = static_cast<int>(m_converted.size());
        totals.converted = static_cast<int>(
            std::ranges::count_if(m_converted, [](const auto& file) { return file.second; }));
        totals.partlyKept = m_partlyKept;
        return totals;
    }

private:
    std::map<std::string, bool> m_converted;
    int m_partlyKept = 0;
};

// Converts each group of files the watch tells of on a thread of its own, one group after the
// other, so that the watch goes on reading the system's notices while files convert (a busy tree
// would otherwise overflow the system's queue of them). Files told of during a conversion are
// converted together once it ends.
class SettledConversions {
public:
    SettledConversions(BatchRun& run, Console& console, std::function<bool()> stopAsked,
                       QEventLoop& loop)
        : m_run(run), m_console(console), m_sink(console), m_stopAsked(std::move(stopAsked)),
          m_loop(loop) {}
    ~SettledConversions() { Finish(); }
    SettledConversions(const SettledConversions&) = delete;
    SettledConversions& operator=(const SettledConversions&) = delete;

    void Add(const std::vector<std::string>& names) {
        m_waiting.insert(names.begin(), names.end());
        if (!m_thread) {
            StartNext();
        }
    }
    /// Waits for the conversion under way (after a stop, it ends as a stopped run does), then
    /// gives the totals of the files converted.
    RunTotals Finish() {
        if (m_thread) {
            m_thread->wait();
            m_thread.reset();
            m_watched.Add(m_result);
        }
        return m_watched.Totals();
    }

private:
    void StartNext() {
        const std::vector<std::string> names(m_waiting.begin(), m_waiting.end());
        m_waiting.clear();
        m_result = {};
        m_thread.reset(QThread::create([this, names] {
            // An engine failure, or any other error, ends the watch as it ends a run.
            m_failed = true;
            RunGuarded(m_console, [&] {
                m_result = m_run.Convert(names, false, m_sink);
                m_failed = m_result.totals.failure.has_value();
            });
        }));
        QObject::connect(m_thread.get(), &QThread::finished, &m_loop, [this] { Ended(); });
        m_thread->start();
    }
    void Ended() {
        Finish();
        if (m_failed || m_stopAsked()) {
            m_loop.quit();
        } else if (!m_waiting.empty()) {
            StartNext();
        }
    }

    BatchRun& m_run;
    Console& m_console;
    WatchSink m_sink;
    std::function<bool()> m_stopAsked;
    QEventLoop& m_loop;
    std::set<std::string, decltype(&PathOrderLess)> m_waiting{&PathOrderLess};
    std::unique_ptr<QThread> m_thread;
    BatchRun::Result m_result;
    bool m_failed = false;
    WatchedFiles m_watched;
};

// Converts what the watch tells of until a stop is asked for, an error ends a conversion or the
// source folder goes; returns the totals of the files converted.
RunTotals ConvertWhatSettles(FolderWatch& watch, BatchRun& run, const std::string& folder,
                             Console& console, const std::function<bool()>& stopAsked) {
    QEventLoop loop;
    SettledConversions conversions(run, console, stopAsked, loop);
    QObject::connect(
        &watch, &FolderWatch::Settled, &loop,
        [&conversions](const std::vector<std::string>& settled) { conversions.Add(settled); });
    QObject::connect(&watch, &FolderWatch::Gone, &loop, [&] {
        console.Complain("The source folder " + folder + " is gone; the watch ends.");
        loop.quit();
    });
    QTimer stopCheck;
    QObject::connect(&stopCheck, &QTimer::timeout, &loop, [&] {
        if (stopAsked()) {
            loop.quit();
        }
    });
    stopCheck.start(StopAskedEvery);
    loop.exec();
    return conversions.Finish();
}

} // namespace

int WatchAndConvert(BatchRun& run, const ConversionSettings& settings, const BatchOptions& options,
                    Console& console, const std::function<bool()>& stopAsked) {
    FolderWatch watch(WatchSetup(settings, options));
    QObject::connect(&watch, &FolderWatch::Unreadable, &watch,
                     [&console](const auto& folders) { ComplainOfUnreadable(folders, console); });
    QObject::connect(&watch, &FolderWatch::WatchLimitReached, &watch, [&console] {
        console.Complain(Tr("BatchWatch",
                            "Some folders cannot be watched (the system's limit "
                            "fs.inotify.max_user_watches is reached); they are looked through "
                            "every 2 seconds instead."));
    });
    std::vector<std::string> names;
    try {
        names = watch.Start();
    } catch (const IoError& error) {
        console.Complain(UnreadableSourceText(settings.SourceFldr, error));
        return UsageOrSetupFailed;
    }
    if (run.Convert(names, true, console).totals.failure || stopAsked()) {
        return SomeNotConverted;
    }
    console.ShowMessage("Watching " + settings.SourceFldr +
                        " for new and changed files (Ctrl-C ends the watch).");
    const RunTotals watched =
        ConvertWhatSettles(watch, run, settings.SourceFldr, console, stopAsked);
    console.ShowStatus(ConvertAllSummary(watched.done, watched.converted));
    if (watched.partlyKept > 0) {
        console.ShowNote(PartlyKeptNote(watched.partlyKept));
    }
    return SomeNotConverted;
}

} // namespace tolk
