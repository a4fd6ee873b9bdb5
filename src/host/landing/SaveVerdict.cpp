#include "host/landing/SaveVerdict.h"

#include "core/Translate.h"
#include "host/engine/EngineCounts.h"
#include "host/formats/HostReasons.h"
#include "host/landing/CompanionOwners.h"
#include "host/landing/OutputClaims.h"

#include <algorithm>
#include <optional>

namespace tolk {
namespace {

SaveVerdict FailedRunVerdict(const EngineOutcome& outcome,
                             const std::vector<DocumentInput>& inputs) {
    const std::string message = EngineMessage(outcome.output);
    if (ReadNothing(outcome.output)) {
        std::vector<std::string> types;
        for (const DocumentInput& input : inputs) {
            types.push_back(input.type);
        }
        return {HostResult::EngineFailed, NothingReadReason(types)};
    }
    return {HostResult::EngineFailed, message.empty() ? Tr("Host", "gpsbabel failed") : message};
}

// The engine names the files by the paths it was shown; the user knows them by their own.
void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); !from.empty() && at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

} // namespace

SaveVerdict JudgeRun(const EngineOutcome& outcome, const ReadCheck& check,
                     const FormatChoice& format, const std::vector<DocumentInput>& inputs) {
    if (outcome.exitCode != 0) {
        return FailedRunVerdict(outcome, inputs);
    }
    // A reader given a file of another kind often "reads" noise without complaint.
    if (check.positions == Plausibility::Implausible) {
        return {HostResult::NothingWritten,
                Tr("Host", "the positions read are out of range or mostly zero: the file is "
                           "not one gpsbabel reads as its type says")};
    }
    if (check.positions == Plausibility::SomeAtZero && !check.readersNamed) {
        return {HostResult::NothingWritten,
                Tr("Host", "some positions read lie exactly at 0,0, as a header line read as a "
                           "point would: the file is not one gpsbabel reads as its type says")};
    }
    if (check.namesWouldMerge) {
        return {HostResult::NothingWritten,
                Tr("Host",
                   "%1 keeps one waypoint of each name, and waypoints of the file share a name: "
                   "some would be lost",
                   {format.format.name})};
    }
    return {};
}

SaveVerdict LandOutputs(const KindCounts& read, const FormatChoice& format,
                        const std::filesystem::path& target,
                        const std::vector<DocumentInput>& inputs,
                        std::vector<PlannedOutput>& outputs) {
    const auto holdsData = [&](const PlannedOutput& output) {
        return output.kind ? read.Of(*output.kind) > 0
                           : std::ranges::any_of(AllDataKinds, [&](DataKind kind) {
                                 return read.Of(kind) > 0 && format.format.Writes(kind);
                             });
    };
    std::vector<PendingOutput*> landing;
    for (PlannedOutput& output : outputs) {
        if (!holdsData(output)) {
            continue;
        }
        if (!output.pending->HasContent()) {
            return {HostResult::NothingWritten, Tr("Host", "the output held no data")};
        }
        // The target's own name goes to the first kind with data, companions to the others.
        if (landing.empty()) {
            output.pending->Retarget(target.string());
        }
        landing.push_back(output.pending.get());
    }
    if (landing.empty()) {
        return {HostResult::NothingWritten,
                Tr("Host", "the source held no data that %1 can hold", {format.format.name})};
    }
    if (const std::optional<std::string> clash = CompanionClash(landing, inputs)) {
        return {HostResult::NotMoved, *clash};
    }
    std::vector<std::filesystem::path> names;
    for (const PendingOutput* output : landing) {
        names.push_back(output->Target());
    }
    std::vector<std::string> protectedPaths;
    for (const DocumentInput& input : inputs) {
        protectedPaths.push_back(input.path);
    }
    const std::optional<std::string> clash = ClaimOutputs(names, inputs.front().path);
    const bool moved = !clash && CommitOutputs(landing, protectedPaths);
    if (moved) {
        RecordCompanions(target, landing, inputs);
    }
    SaveClaimsDone(names);
    if (clash) {
        return {HostResult::NotMoved, *clash};
    }
    if (!moved) {
        return {HostResult::NotMoved, Tr("Host", "the output could not be moved into place")};
    }
    return {};
}

void InUsersPaths(std::string& reason, const std::vector<std::string>& seenPaths,
                  const std::vector<DocumentInput>& inputs,
                  const std::vector<EngineOutput>& outputs, const std::filesystem::path& target) {
    for (std::size_t index = 0; index < seenPaths.size(); ++index) {
        ReplaceAll(reason, seenPaths[index], inputs[index].path);
    }
    for (const EngineOutput& output : outputs) {
        ReplaceAll(reason, output.path, target.string());
    }
}

} // namespace tolk
