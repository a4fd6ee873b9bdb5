#pragma once

#include "batch/BatchOptions.h"
#include "core/ConversionSettings.h"
#include "core/Messenger.h"
#include "core/ReferenceData.h"
#include "host/gpsbabel/GpsBabelConfig.h"
#include "settings/ProgramFolders.h"

#include <string>

namespace tolk {

/// Finds the program's folders and loads the settings file as the window's start-up does; the
/// executable is this command, lying beside the window program. Errors are thrown, but for
/// malformed window bounds, which this command does not use: those are said through the
/// messenger and replaced by the default bounds.
void LoadBatchSettings(const std::string& exePath, Messenger& messenger, ProgramFolders& folders,
                       ConversionSettings& settings);

/// The folders LoadBatchSettings finds, looked up only: nothing is created, registered or
/// recorded, for the command's queries.
ProgramFolders LookUpBatchFolders(const std::string& exePath, Messenger& messenger);

/// The host's configuration: the reference lists of the program, the user's format choices in
/// the work folder and those given for this run.
GpsBabelConfig HostConfigFor(const ProgramFolders& folders, const BatchOptions& options);

/// Lays the values given on the command line over the loaded settings. Folders become full
/// paths without a trailing "/". A target folder given turns "Same as Source folder" off;
/// otherwise, with it on, the target folder follows the source folder as in the window.
void ApplyOptions(const BatchOptions& options, ConversionSettings& settings);

/// Why the settings' types cannot be used, or empty: every type must be one of its table's
/// (an empty merge type means no merging).
std::string UnknownTypeMessage(const ConversionSettings& settings);

/// Why the settings' datum or grid cannot be used, or empty: each must be empty (no change) or
/// a name the window's lists offer, compared in ASCII upper case as the lists select. Without
/// this, every file would be written without the change and still count as converted.
std::string UnknownReferenceMessage(const ConversionSettings& settings,
                                    const ReferenceData& offered);

} // namespace tolk
