#pragma once

#include "core/ConversionSettings.h"
#include "host/HostConnection.h"
#include "settings/ProgramFolders.h"

#include <string>

namespace tolk {

/// The program-wide records, created once at start and passed by reference.
struct ProgramRecords : ProgramFolders {
    std::string HelpFile; ///< the help file the help viewer opens
    ConversionSettings Settings;
    HostConnection Host;
};

} // namespace tolk
