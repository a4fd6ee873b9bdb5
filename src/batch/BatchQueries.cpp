#include "batch/BatchQueries.h"

#include "batch/BatchCommand.h"
#include "batch/BatchSettings.h"
#include "batch/CompletionValues.h"
#include "batch/Console.h"
#include "batch/TypeListing.h"
#include "convert/ReferenceLists.h"
#include "core/DataFiles.h"
#include "core/TolkError.h"
#include "core/Translate.h"
#include "host/gpsbabel/GpsBabelHost.h"

#include <QCoreApplication>
#include <cstdio>

namespace tolk {
namespace {

using Outcome = BatchCommandLine::Outcome;

// The offered types with the formats the host finds for them, as the user's work folder and the
// command line choose them.
std::string ListTypes(const BatchOptions& options, const ProgramFolders& folders) {
    GpsBabelConfig config = HostConfigFor(folders, options);
    config.keepEngineAnswers = false;
    return TypeListing(HostConnection(CreateGpsBabelHost(config)));
}

std::string Answer(const BatchCommandLine& commandLine, Outcome query, Console& console) {
    switch (query) {
    case Outcome::Help:
        return commandLine.HelpText();
    case Outcome::Version:
        return BatchCommandLine::VersionText() + "\n";
    case Outcome::CompletionValues:
        return CompletionValues(commandLine.CompletionList());
    default:
        break;
    }
    const ProgramFolders folders =
        LookUpBatchFolders(QCoreApplication::applicationFilePath().toStdString(), console);
    if (query == Outcome::ListTypes) {
        return ListTypes(commandLine.Options(), folders);
    }
    const ReferenceData offered = ReadReferenceData(folders.ExeFolder);
    const bool datums = query == Outcome::ListDatums;
    if ((datums ? offered.datumFile : offered.gridFile) != ReferenceFileState::Read) {
        throw TolkError(
            Tr("Convert", "Could not open file %1",
               {DataFilePath(folders.ExeFolder, datums ? DatumFileName : GridFileName)}));
    }
    return datums ? DatumListing(offered) : GridListing(offered);
}

} // namespace

int AnswerQuery(const BatchCommandLine& commandLine, Outcome query) {
    Console console(stdout, stderr, false);
    try {
        std::fputs(Answer(commandLine, query, console).c_str(), stdout);
        return AllConverted;
    } catch (const std::exception& error) {
        console.ReportError(error.what());
    }
    return UsageOrSetupFailed;
}

} // namespace tolk
