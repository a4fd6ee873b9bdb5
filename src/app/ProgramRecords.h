#pragma once

#include "core/ConversionSettings.h"
#include "host/HostConnection.h"

#include <string>

namespace tolk {

/// The program-wide records, created once at start and passed by reference.
struct ProgramRecords {
    std::string ExeFolder;  ///< the executable's folder, with its trailing "/"
    std::string UserFolder; ///< the user's own data folder
    std::string WorkFolder; ///< the host's work folder; empty when neither found nor created
    std::string HelpFile;   ///< the help file the help viewer opens
    ConversionSettings Settings;
    HostConnection Host;
};

} // namespace tolk
