#pragma once

#include <filesystem>
#include <string>

namespace tolk {

/// The hidden folders in which this program's outputs are made before they are moved into place:
/// one per target folder, inside it (so that moving is a rename), shared by every output pending
/// there and removed with the last of them. A folder per output would cost the file system an
/// entry made and removed for every file converted. The process that writes in one holds it (see
/// HeldFolder), so that what a killed program left can be told from what a running one writes.
///
/// Takes a share of the output folder in the target folder (the path through which the engine
/// reaches it); empty when it cannot be made.
std::filesystem::path ShareOutputFolder(const std::filesystem::path& targetFolder);
/// Gives the share back; the output folder goes with the last share.
void LeaveOutputFolder(const std::filesystem::path& targetFolder);

/// Removes from the folder the output folders that no process on this machine holds any more
/// (left by programs killed or stopped by a power cut, and by this program when the folder was
/// made read-only while it wrote). Those of running programs, in any PID namespace, and of other
/// machines sharing the folder, are kept.
void RemoveDeadRunsTemporaries(const std::string& folder);

} // namespace tolk
