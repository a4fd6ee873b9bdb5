#pragma once

#include "batch/BatchOptions.h"
#include "batch/Console.h"
#include "batch/ConsoleReport.h"
#include "convert/JobHosts.h"
#include "convert/RunTotals.h"
#include "core/ConversionSettings.h"

#include <exception>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tolk {

/// The files a run of tolkconv-batch is to convert, in path order: those of the source type in
/// the source folder (with --recursive, also those below it, named relative to it) that fall
/// into the run's shard.
struct SourceSelection {
    std::vector<std::string> names;
    /// A folder below the source folder could not be read (and was said): its files are missing.
    bool incomplete = false;
};

/// "Cannot read the source folder <folder>: <why>".
std::string UnreadableSourceText(const std::string& folder, const std::exception& error);

/// Says on standard error that the folders below the source folder could not be read, each with
/// why, and that their files are left out.
void ComplainOfUnreadable(const std::vector<std::pair<std::string, std::string>>& folders,
                          Console& console);

/// Lists the selection and says, on standard error, each folder that cannot be read. A source
/// folder that cannot be read throws IoError. With --watch the selection is empty: the watch
/// lists the files once it watches the folder.
SourceSelection SelectSourceFiles(const ConversionSettings& settings, const BatchOptions& options,
                                  Console& console);

/// Converts lists of files as tolkconv-batch shows them, one list after another on the same hosts.
class BatchRun {
public:
    struct Result {
        RunTotals totals;
        int listed = 0; ///< files handed to the conversion (the skipped ones not among them)
        /// Their names, in list order (totals.notConverted indexes them).
        std::vector<std::string> names;
    };

    /// The run stops, as the window's Stop does, once stopAsked says so.
    BatchRun(const ConversionSettings& settings, const BatchOptions& options, JobHosts& hosts,
             Console& console, ReportStyle style, int width, std::function<bool()> stopAsked);

    /// Converts the files (names relative to the source folder), each shown as it is done and the
    /// end through the sink. With skipUpToDate the files whose targets are up to date are left
    /// out and counted after the end ("Skipped 3 files already up to date"). With --recursive
    /// the folders below the target folder are made first.
    Result Convert(const std::vector<std::string>& names, bool skipUpToDate, CommandSink& sink);

private:
    const ConversionSettings& m_settings;
    const BatchOptions& m_options;
    JobHosts& m_hosts;
    Console& m_console;
    ReportStyle m_style;
    int m_width;
    std::function<bool()> m_stopAsked;
};

/// The exit status of a run: every file handed over converted and none left out, or not.
int ExitStatusOf(const BatchRun::Result& result, bool complete);

} // namespace tolk
