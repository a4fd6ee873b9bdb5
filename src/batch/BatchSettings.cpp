#include "batch/BatchSettings.h"

#include "convert/FileTypes.h"
#include "convert/ReferenceLists.h"
#include "core/ErrorReport.h"
#include "core/Text.h"
#include "core/TolkError.h"
#include "core/Translate.h"
#include "settings/QSettingsRegistry.h"
#include "settings/SettingsFile.h"
#include "settings/StandardSpecialFolders.h"

#include <algorithm>
#include <filesystem>
#include <span>

namespace tolk {
namespace {

std::string FullFolderPath(const std::string& folder) {
    std::error_code error;
    std::string path = std::filesystem::absolute(folder, error).lexically_normal().string();
    if (error) {
        return folder;
    }
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

// Types typed into the settings file or the command line count in any letter case, as the host
// reads and writes them.
template <std::size_t N>
bool InTable(const std::array<std::string_view, N>& table, const std::string& type) {
    return std::ranges::any_of(
        table, [&](std::string_view listed) { return SameAsciiCase(std::string(listed), type); });
}

template <std::size_t N>
std::string TableText(const std::array<std::string_view, N>& table) {
    std::string text;
    for (const std::string_view type : table) {
        text.append(text.empty() ? "" : " ").append(type);
    }
    return text;
}

} // namespace

void LoadBatchSettings(const std::string& exePath, Messenger& messenger, ProgramFolders& folders,
                       ConversionSettings& settings) {
    QSettingsRegistry registry = QSettingsRegistry::ForThisUser();
    StandardSpecialFolders specialFolders;
    FolderDiscovery discovery(registry, specialFolders, messenger);
    FindProgramFolders(WindowProgramBeside(exePath), discovery, folders);
    try {
        LoadSettings(folders.SettingsPath(), folders.UserFolder, settings);
    } catch (const TolkError& error) {
        // Only the window's bounds, read last, can fail to load, and this command never uses
        // them: every other value is in place. A save writes the bounds a missing key gives.
        settings.WBounds = DefaultWindowBounds();
        messenger.ShowMessage(Tr("Batch", "Ignored the window bounds (WBounds) in %1: %2",
                                 {folders.SettingsPath(), ErrorReportText(error.what())}));
    }
}

ProgramFolders LookUpBatchFolders(const std::string& exePath, Messenger& messenger) {
    QSettingsRegistry registry =
        QSettingsRegistry::ForThisUser(QSettingsRegistry::Access::LookUpOnly);
    StandardSpecialFolders specialFolders;
    FolderDiscovery discovery(registry, specialFolders, messenger);
    ProgramFolders folders;
    LookUpProgramFolders(WindowProgramBeside(exePath), discovery, folders);
    return folders;
}

GpsBabelConfig HostConfigFor(const ProgramFolders& folders, const BatchOptions& options) {
    GpsBabelConfig config;
    config.workFolder = folders.WorkFolder;
    config.reference = ReadReferenceData(folders.ExeFolder);
    config.formatChoices = options.engineFormats;
    config.keepAllOrFail = options.strict;
    config.jobs = options.jobs;
    return config;
}

void ApplyOptions(const BatchOptions& options, ConversionSettings& settings) {
    if (options.sourceFolder) {
        settings.SourceFldr = FullFolderPath(*options.sourceFolder);
    }
    if (options.targetFolder) {
        settings.TargetFldr = FullFolderPath(*options.targetFolder);
        settings.TargAsSrc = false;
    } else if (settings.TargAsSrc) {
        settings.TargetFldr = settings.SourceFldr;
    }
    const std::pair<const std::optional<std::string>&, std::string&> values[] = {
        {options.sourceType, settings.SourceExt},
        {options.mergeType, settings.MergeExt},
        {options.targetType, settings.TargetExt},
        {options.datum, settings.Datum},
        {options.grid, settings.Grid},
    };
    for (const auto& [given, value] : values) {
        if (given) {
            value = *given;
        }
    }
}

std::string UnknownTypeMessage(const ConversionSettings& settings) {
    if (!InTable(FileTypeTable, settings.SourceExt)) {
        return Tr("Batch", "Unknown source type '%1'. The source types are: %2",
                  {settings.SourceExt, TableText(FileTypeTable)});
    }
    if (!settings.MergeExt.empty() && !InTable(FileTypeTable, settings.MergeExt)) {
        return Tr("Batch", "Unknown merge type '%1'. The merge types are the source types: %2",
                  {settings.MergeExt, TableText(FileTypeTable)});
    }
    if (!InTable(TargetTypeTable, settings.TargetExt)) {
        return Tr("Batch", "Unknown target type '%1'. The target types are: %2",
                  {settings.TargetExt, TableText(TargetTypeTable)});
    }
    return {};
}

std::string UnknownReferenceMessage(const ConversionSettings& settings,
                                    const ReferenceData& offered) {
    if (!settings.Datum.empty() && offered.OfferedDatum(settings.Datum) == nullptr) {
        return Tr("Batch",
                  "Unknown datum '%1'. The datums are those of %2 beside the program; an empty "
                  "value means no change.",
                  {settings.Datum, DatumFileName});
    }
    if (!settings.Grid.empty() && offered.OfferedGrid(settings.Grid) == nullptr) {
        std::string grids;
        for (const GridEntry& grid : offered.Grids()) {
            grids.append("'").append(grid.name).append("' ");
        }
        return Tr("Batch", "Unknown grid '%1'. The grids are: %2(an empty value means no change).",
                  {settings.Grid, grids});
    }
    return {};
}

} // namespace tolk
