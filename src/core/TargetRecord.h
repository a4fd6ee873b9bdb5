#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// What this program made a target from and beside it, kept for a target with companions or a
/// merge partner (in the hidden folder ".tolkconv-made" beside the target, under the target's
/// name), so that converting again removes the companions it no longer makes, and only those, and
/// so that a target is known to be out of date when a companion or a partner went.
struct TargetRecord {
    /// The companions' names, in the target's folder.
    std::vector<std::string> companions;
    /// The merge partners' names, in the source's folder.
    std::vector<std::string> partners;
    bool operator==(const TargetRecord&) const = default;
};

/// The hidden folder beside the targets that holds their records.
inline constexpr const char* TargetRecordFolder = ".tolkconv-made";

/// The target's record; none when this program keeps none for it.
std::optional<TargetRecord> ReadTargetRecord(const std::filesystem::path& target);

/// Replaces the target's record; an empty record removes it. A record that cannot be written
/// leaves none (companions then stay when converting again; nothing is lost).
void WriteTargetRecord(const std::filesystem::path& target, const TargetRecord& record);

} // namespace tolk
