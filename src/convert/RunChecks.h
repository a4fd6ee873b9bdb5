#pragma once

#include "core/ConversionSettings.h"
#include "core/Messenger.h"
#include "host/HostConnection.h"

namespace tolk {

// The checks made before any file of a run is converted, in this order; each shows why it
// fails and the run does not start.

/// Passes when the target folder exists; otherwise offers to create it (one level only).
bool CheckTargetFolder(const ConversionSettings& settings, Messenger& messenger);
/// Refuses a run whose source, merge and target types clash (exact comparisons).
bool CheckTypeConflicts(const ConversionSettings& settings, Messenger& messenger);
/// Refuses a run the host says it cannot carry out: "Cannot Convert:" and one line per cause.
bool CheckRunRefusals(const ConversionSettings& settings, const HostConnection& host,
                      Messenger& messenger);

} // namespace tolk
