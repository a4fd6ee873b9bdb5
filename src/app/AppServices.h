#pragma once

#include "core/Messenger.h"
#include "host/HostConnection.h"

#include <string>

namespace tolk {

/// What the main window needs from outside itself; tests put doubles in place of each.
struct AppServices {
    Messenger& messenger;
    HostFactory createHost;
    std::string exePath; ///< full path of the running executable
};

} // namespace tolk
