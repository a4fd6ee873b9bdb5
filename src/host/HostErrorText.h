#pragma once

#include "host/HostLink.h"

#include <string>

namespace tolk {

/// The system's own text for a failure status, or empty when it has none.
std::string SystemStatusText(std::int32_t status);

/// The error text for a failed host call: the host's description without its trailing blanks,
/// control characters and full stops; else the system's text for the status; else
/// "OLE error %.8x".
std::string HostErrorText(const HostStatus& status);

} // namespace tolk
