#pragma once

#include <filesystem>
#include <string>

namespace tolk {

/// The hidden folders in which this program's outputs are made before they are moved into place:
/// one per target folder, inside it (so that moving is a rename), shared by every output pending
/// there and removed with the last of them. A folder per output would cost the file system an
/// entry made and removed for every file converted. The folder's name tells the machine and the
/// process, so that what a killed program left can be told from what a running one is writing.
///
/// Takes a share of the output folder in the target folder (the path through which the engine
/// reaches it); empty when it cannot be made.
std::filesystem::path ShareOutputFolder(const std::filesystem::path& targetFolder);
/// Gives the share back; the output folder goes with the last share.
void LeaveOutputFolder(const std::filesystem::path& targetFolder);

/// Removes from the folder the output folders that programs on this machine which no longer run
/// left there (killed, or stopped by a power cut), and this program's own that no output uses
/// (left when the folder was made read-only while it wrote). Those of other running programs,
/// and of other machines sharing the folder, are kept.
void RemoveDeadRunsTemporaries(const std::string& folder);

} // namespace tolk
