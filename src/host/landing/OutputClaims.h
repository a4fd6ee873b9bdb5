#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// Claims the names of a save's outputs (its target and every companion), so that no file's
/// output replaces another file's written in the same run, by any job, process or shard writing
/// to the folder. A claim is a second name, under the output's name in the hidden folder
/// ".tolk-claims" of the target folder, for the claiming process's claim file there, made in one
/// atomic step (a link, which fails where one exists). The claim file, one per process and folder,
/// lies in the process's hidden output folder, which that process holds while it lives (see
/// HeldFolder); it names that folder and records each claimed name's source: a claim whose holder
/// is gone is taken over. Claims last until this
/// process's run ends (DropClaims); a save outside a run lets its own go when it ends
/// (SaveClaimsDone). A name claimed for the same source
/// is no clash. The reason naming the other source when a name is claimed for another.
std::optional<std::string> ClaimOutputs(const std::vector<std::filesystem::path>& outputs,
                                        const std::string& source);

/// A run begins: claims last until it ends.
void HoldClaimsForTheRun();

/// The save that claimed the outputs has ended; outside a run, its claims go (other saves' stay).
void SaveClaimsDone(const std::vector<std::filesystem::path>& outputs);

/// Gives up this process's claims: its run has ended.
void DropClaims();

/// Removes from the folder the claims whose holders are gone (left by killed programs).
void RemoveDeadClaims(const std::filesystem::path& folder);

} // namespace tolk
