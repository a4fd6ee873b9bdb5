#pragma once

#include "core/ConversionSettings.h"
#include "core/ReferenceData.h"
#include "host/HostConnection.h"
#include "settings/ProgramFolders.h"

#include <string>

namespace tolk {

/// The program-wide records, created once at start and passed by reference.
struct ProgramRecords : ProgramFolders {
    std::string HelpFile; ///< the help file the help viewer opens
    ConversionSettings Settings;
    /// The datums and grids offered, read from beside the program once at start-up.
    ReferenceData Reference;
    HostConnection Host;
};

} // namespace tolk
