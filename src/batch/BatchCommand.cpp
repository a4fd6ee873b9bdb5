#include "batch/BatchCommand.h"

#include "batch/BatchCommandLine.h"

#include <cstdio>

namespace tolk {

int RunBatchCommand(const QStringList& arguments) {
    BatchCommandLine commandLine;
    switch (commandLine.Parse(arguments)) {
    case BatchCommandLine::Outcome::Help:
        std::fputs(commandLine.HelpText().c_str(), stdout);
        return AllConverted;
    case BatchCommandLine::Outcome::Version:
        std::printf("%s\n", BatchCommandLine::VersionText().c_str());
        return AllConverted;
    case BatchCommandLine::Outcome::UsageError:
        std::fprintf(stderr, "tolkconv-batch: %s\nTry 'tolkconv-batch --help'.\n",
                     commandLine.Error().c_str());
        return UsageOrSetupFailed;
    case BatchCommandLine::Outcome::Run:
        break;
    }
    std::fputs("tolkconv-batch: converting is not built yet.\n", stderr);
    return UsageOrSetupFailed;
}

} // namespace tolk
