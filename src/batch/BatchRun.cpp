#include "batch/BatchRun.h"

#include "batch/BatchCommand.h"
#include "batch/TargetFolders.h"
#include "convert/ConvertCommand.h"
#include "convert/SourceFileList.h"
#include "convert/SourceTree.h"
#include "convert/UpToDate.h"
#include "core/Translate.h"

#include <algorithm>

namespace tolk {

std::string UnreadableSourceText(const std::string& folder, const std::exception& error) {
    return Tr("Batch", "Cannot read the source folder %1: %2", {folder, error.what()});
}

void ComplainOfUnreadable(const std::vector<std::pair<std::string, std::string>>& folders,
                          Console& console) {
    for (const auto& [folder, reason] : folders) {
        console.Complain(Tr("Batch",
                            "Cannot read the folder %1 below the source folder (%2); its files "
                            "are left out.",
                            {folder, reason}));
    }
}

SourceSelection SelectSourceFiles(const ConversionSettings& settings, const BatchOptions& options,
                                  Console& console) {
    if (options.watch) {
        // The watch lists the folder itself, once it watches it; here it need only be readable.
        const SourceFolder readable(settings.SourceFldr);
        return {};
    }
    SourceTree tree(settings.SourceFldr, {settings.SourceExt}, options.recursive,
                    settings.TargetFldr);
    TreeWalk walk = tree.Walk("");
    ComplainOfUnreadable(walk.unreadable, console);
    std::erase_if(walk.files,
                  [&options](const std::string& name) { return !InShard(options.shard, name); });
    return {std::move(walk.files), !walk.unreadable.empty()};
}

BatchRun::BatchRun(const ConversionSettings& settings, const BatchOptions& options, JobHosts& hosts,
                   Console& console, ReportStyle style, int width, std::function<bool()> stopAsked)
    : m_settings(settings), m_options(options), m_hosts(hosts), m_console(console), m_style(style),
      m_width(width), m_stopAsked(std::move(stopAsked)) {}

BatchRun::Result BatchRun::Convert(const std::vector<std::string>& names, bool skipUpToDate,
                                   CommandSink& sink) {
    SourceFileList files;
    files.SetNames(skipUpToDate ? NotUpToDate(m_settings, names) : names);
    const std::vector<HostConnection*> hosts =
        m_hosts.ReadyFor(files.Names().size(), m_settings.TargetFldr);
    if (m_options.recursive) {
        // Every folder of the listed files, those up to date too: a killed run's debris goes
        // even where nothing is converted again.
        for (const std::string& problem :
             MakeTargetFolders(m_settings.TargetFldr, names, *hosts.front())) {
            m_console.Complain(problem);
        }
    }
    ConsoleReport report(files, m_style, stdout, stderr, m_width);
    ConvertCommand command(
        {RunCommand::ConvertAll, m_settings, files.Names(), hosts, {}, m_hosts.Jobs()}, report,
        sink);
    Result result{command.RunToEnd(m_stopAsked), files.Count(), files.Names()};
    const auto skipped = names.size() - files.Names().size();
    if (skipped > 0) {
        m_console.ShowStatus(
            skipped == 1
                ? Tr("Batch", "Skipped %1 file already up to date", {std::to_string(skipped)})
                : Tr("Batch", "Skipped %1 files already up to date", {std::to_string(skipped)}));
    }
    return result;
}

int ExitStatusOf(const BatchRun::Result& result, bool complete) {
    return complete && !result.totals.failure && result.totals.converted == result.listed
               ? AllConverted
               : SomeNotConverted;
}

} // namespace tolk
