#pragma once

#include "host/landing/PendingOutput.h"
#include "host/reading/HostDocument.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// Why the companions of the outputs landing (the first holds the target's own name) may not be
/// written: one is the target of another file of the source's type beside the first input, which
/// keeps it, whichever job, process or shard converts it and whenever. None when none is.
std::optional<std::string> CompanionClash(const std::vector<PendingOutput*>& landing,
                                          const std::vector<DocumentInput>& inputs);

/// Records what the conversion made beside the target and from what (see TargetRecord), and
/// removes the companions an earlier conversion of the target made and this one did not: left
/// there, they would pass for part of the new target. A file merely named like a companion, and
/// one that has since become another file's target, stay.
void RecordCompanions(const std::filesystem::path& target,
                      const std::vector<PendingOutput*>& landing,
                      const std::vector<DocumentInput>& inputs);

} // namespace tolk
