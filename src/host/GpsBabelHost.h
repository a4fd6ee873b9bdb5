#pragma once

#include "host/HostLink.h"

#include <memory>

namespace tolk {

/// Creates the program's host on Linux; throws when it cannot be reached.
std::unique_ptr<HostLink> CreateGpsBabelHost();

} // namespace tolk
