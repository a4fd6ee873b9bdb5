#include "host/landing/SavePlan.h"

#include <algorithm>

namespace tolk {

std::vector<PlannedOutput> PlanOutputs(const std::vector<DocumentInput>& inputs,
                                       const std::filesystem::path& target,
                                       const std::string& seenFolder, const FormatChoice& format,
                                       LearnedFormats& learned, const EngineRunner& runner) {
    // Every kind some candidate reader may read and the format writes.
    std::vector<DataKind> kinds;
    for (DataKind kind : AllDataKinds) {
        const bool read = std::ranges::any_of(inputs, [&](const DocumentInput& input) {
            return std::ranges::any_of(input.readers, [&](const FormatChoice& reader) {
                return reader.format.Reads(kind);
            });
        });
        if (read && format.format.Writes(kind)) {
            kinds.push_back(kind);
        }
    }
    std::vector<PlannedOutput> outputs;
    if (kinds.size() < 2 || !learned.HoldsOneKind(format.format, runner)) {
        outputs.push_back(
            {std::nullopt, std::make_unique<PendingOutput>(target.string(), seenFolder)});
        return outputs;
    }
    for (DataKind kind : kinds) {
        outputs.push_back({kind, std::make_unique<PendingOutput>(
                                     CompanionPath(target.string(), kind), seenFolder)});
    }
    return outputs;
}

std::vector<EngineOutput> EngineOutputs(const std::vector<PlannedOutput>& outputs,
                                        const FormatChoice& format, const std::string& datum,
                                        const std::string& gridKeyword) {
    std::vector<EngineOutput> engineOutputs;
    for (const PlannedOutput& output : outputs) {
        engineOutputs.push_back(
            {output.pending->TempPath(), format, datum, gridKeyword, output.kind});
    }
    return engineOutputs;
}

} // namespace tolk
