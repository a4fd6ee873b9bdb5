#include "host/landing/CompanionOwners.h"

#include "core/PathAsFound.h"
#include "core/TargetRecord.h"
#include "core/Translate.h"

#include <algorithm>

namespace tolk {
namespace {

// The listed file, beside the first input, whose own target the companion's name is: converting
// "walk.gpx" to a type of one track per file writes "walk-track2.<type>", the target of
// "walk-track2.gpx". That file comes first in the list (a "-" before the ".") and keeps its
// target, whichever job or process converts it and whenever; the companion's file fails.
std::optional<std::string> OwnerOfName(const std::filesystem::path& companion,
                                       const std::vector<DocumentInput>& inputs) {
    const DocumentInput& source = inputs.front();
    const std::filesystem::path built = std::filesystem::path(source.path).parent_path() /
                                        (companion.stem().string() + "." + source.type);
    const std::filesystem::path owner = PathAsFound(built.string());
    std::error_code error;
    if (!std::filesystem::is_regular_file(owner, error) ||
        std::ranges::any_of(
            inputs, [&](const DocumentInput& input) { return SameFile(input.path, owner); })) {
        return std::nullopt;
    }
    return owner.filename().string();
}

} // namespace

std::optional<std::string> CompanionClash(const std::vector<PendingOutput*>& landing,
                                          const std::vector<DocumentInput>& inputs) {
    for (std::size_t index = 1; index < landing.size(); ++index) {
        const std::filesystem::path& companion = landing[index]->Target();
        if (const std::optional<std::string> owner = OwnerOfName(companion, inputs)) {
            return Tr("Host", "its companion %1 is the target of %2",
                      {companion.filename().string(), *owner});
        }
    }
    return std::nullopt;
}

void RecordCompanions(const std::filesystem::path& target,
                      const std::vector<PendingOutput*>& landing,
                      const std::vector<DocumentInput>& inputs) {
    TargetRecord made;
    for (std::size_t index = 1; index < landing.size(); ++index) {
        made.companions.push_back(landing[index]->Target().filename().string());
    }
    for (std::size_t index = 1; index < inputs.size(); ++index) {
        made.partners.push_back(std::filesystem::path(inputs[index].path).filename().string());
    }
    const std::optional<TargetRecord> before = ReadTargetRecord(target);
    for (const std::string& name : before ? before->companions : std::vector<std::string>()) {
        // One that has since become another listed file's target is that file's.
        if (std::ranges::find(made.companions, name) == made.companions.end() &&
            !OwnerOfName(name, inputs)) {
            std::error_code ignored;
            std::filesystem::remove(target.parent_path() / name, ignored);
        }
    }
    if (before || made != TargetRecord{}) {
        WriteTargetRecord(target, made);
    }
}

} // namespace tolk
