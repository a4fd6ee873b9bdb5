#include "batch/BatchWatch.h"

#include "batch/BatchCommand.h"
#include "batch/FolderWatch.h"
#include "batch/SettledConversions.h"
#include "convert/RunPresenter.h"
#include "core/TolkError.h"
#include "core/Translate.h"

#include <QEventLoop>
#include <QTimer>

namespace tolk {
namespace {

// A signal's handler can only set a flag; the watch looks at it this often.
constexpr std::chrono::milliseconds StopAskedEvery(100);

FolderWatch::Setup WatchSetup(const ConversionSettings& settings, const BatchOptions& options) {
    return {settings.SourceFldr,
            settings.SourceExt,
            settings.MergeExt,
            options.recursive,
            settings.TargetFldr,
            options.settle,
            [shard = options.shard](const std::string& name) { return InShard(shard, name); }};
}

// Converts what the watch tells of until a stop is asked for, an error ends a conversion or the
// source folder goes; returns the totals of the files converted.
RunTotals ConvertWhatSettles(FolderWatch& watch, BatchRun& run, const std::string& folder,
                             Console& console, const std::function<bool()>& stopAsked) {
    QEventLoop loop;
    SettledConversions conversions(run, console, stopAsked, loop);
    QObject::connect(&watch, &FolderWatch::Settled, &conversions, &SettledConversions::Add);
    QObject::connect(&watch, &FolderWatch::Gone, &loop, [&] {
        console.Complain(Tr("Batch", "The source folder %1 is gone; the watch ends.", {folder}));
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
        console.Complain(Tr("Batch",
                            "Some folders cannot be watched (the system's limit "
                            "fs.inotify.max_user_watches is reached); they are looked through "
                            "every %1 seconds instead.",
                            {std::to_string(FolderWatch::LookAgainEvery.count())}));
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
