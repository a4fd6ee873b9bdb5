#include "batch/BatchWatch.h"

#include "batch/BatchCommand.h"
#include "batch/FolderWatch.h"
#include "convert/RunPresenter.h"
#include "core/ErrorReport.h"
#include "core/TolkError.h"
#include "core/Translate.h"

#include <QEventLoop>
#include <QTimer>

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

// Converts each group of files the watch tells of, until a stop is asked for, an error ends a
// conversion or the source folder goes; returns the totals of the files converted.
RunTotals ConvertWhatSettles(FolderWatch& watch, BatchRun& run, const std::string& folder,
                             Console& console, const std::function<bool()>& stopAsked) {
    QEventLoop loop;
    WatchSink sink(console);
    RunTotals watched;
    QObject::connect(&watch, &FolderWatch::Settled, [&](const std::vector<std::string>& settled) {
        // An engine failure, or any other error, ends the watch as it ends a run.
        bool failed = true;
        RunGuarded(console, [&] {
            const BatchRun::Result result = run.Convert(settled, false, sink);
            watched.done += result.totals.done;
            watched.converted += result.totals.converted;
            watched.partlyKept += result.totals.partlyKept;
            failed = result.totals.failure.has_value();
        });
        if (failed || stopAsked()) {
            loop.quit();
        }
    });
    QObject::connect(&watch, &FolderWatch::Gone, [&] {
        console.Complain(Tr("Batch", "The source folder %1 is gone; the watch ends.", {folder}));
        loop.quit();
    });
    QTimer stopCheck;
    stopCheck.callOnTimeout([&] {
        if (stopAsked()) {
            loop.quit();
        }
    });
    stopCheck.start(StopAskedEvery);
    loop.exec();
    return watched;
}

} // namespace

int WatchAndConvert(BatchRun& run, const ConversionSettings& settings, const BatchOptions& options,
                    Console& console, const std::function<bool()>& stopAsked) {
    FolderWatch watch(WatchSetup(settings, options));
    QObject::connect(&watch, &FolderWatch::Unreadable,
                     [&console](const auto& folders) { ComplainOfUnreadable(folders, console); });
    QObject::connect(&watch, &FolderWatch::Unwatched, [&console](int files) {
        console.Complain(Tr("Batch",
                            "%1 files cannot be watched for changes made in place (the system's "
                            "limit fs.inotify.max_user_watches); new and replaced files are still "
                            "seen.",
                            {std::to_string(files)}));
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
    console.ShowMessage(Tr("Batch",
                           "Watching %1 for new and changed files (Ctrl-C ends the watch).",
                           {settings.SourceFldr}));
    const RunTotals watched =
        ConvertWhatSettles(watch, run, settings.SourceFldr, console, stopAsked);
    console.ShowStatus(ConvertAllSummary(watched.done, watched.converted));
    if (watched.partlyKept > 0) {
        console.ShowNote(PartlyKeptNote(watched.partlyKept));
    }
    return SomeNotConverted;
}

} // namespace tolk
