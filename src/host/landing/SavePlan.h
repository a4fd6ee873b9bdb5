#pragma once

#include "host/engine/ConversionCommand.h"
#include "host/formats/EngineFormat.h"
#include "host/landing/PendingOutput.h"
#include "host/reading/HostDocument.h"
#include "host/reading/LearnedFormats.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// A file a save writes: all kinds carried, or one kind for a format of one kind per file.
struct PlannedOutput {
    std::optional<DataKind> kind;
    std::unique_ptr<PendingOutput> pending;
};

/// The files a save of `inputs` to `target` in `format` writes: the target alone, or one file
/// per kind (the target and its companions) for a format that holds one kind per file.
/// `seenFolder` is the target's folder as the engine sees it.
std::vector<PlannedOutput> PlanOutputs(const std::vector<DocumentInput>& inputs,
                                       const std::filesystem::path& target,
                                       const std::string& seenFolder, const FormatChoice& format,
                                       LearnedFormats& learned, const EngineRunner& runner);

/// What the engine is to write for each planned output: its temporary file in `format`, with the
/// datum and grid keyword chosen (empty for none).
std::vector<EngineOutput> EngineOutputs(const std::vector<PlannedOutput>& outputs,
                                        const FormatChoice& format, const std::string& datum,
                                        const std::string& gridKeyword);

} // namespace tolk
