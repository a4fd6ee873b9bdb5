#pragma once

#include "host/GpsBabelConfig.h"

#include <string>

namespace tolk {

/// The gpsbabel host's configuration for a program installed in exeFolder (with its trailing
/// "/"): the datum and grid names of the reference lists beside the executable, so the host
/// accepts exactly the names the program offers, and the work folder with "hostformats.ini".
/// A reference list that cannot be read gives no names; the lists report that to the user.
GpsBabelConfig HostConfigFor(const std::string& exeFolder, const std::string& workFolder);

} // namespace tolk
