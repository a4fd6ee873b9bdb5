#pragma once

#include "host/engine/ConversionCommand.h"
#include "host/engine/EngineView.h"
#include "host/landing/SavePlan.h"
#include "host/reading/HostDocument.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tolk {

/// What a save made ready before its engine run: the files it writes and reads, as the engine is
/// to see them, so that the run can be made alone or among the runs of other files.
struct SaveSetup {
    std::filesystem::path target;
    FormatChoice format;
    /// The document's inputs, as they were when the save was asked for.
    std::vector<DocumentInput> document;
    std::unique_ptr<EngineView> view = std::make_unique<EngineView>();
    std::string seenFolder;
    std::vector<PlannedOutput> outputs;
    /// The inputs' paths as the engine sees them, in the order of `document`.
    std::vector<std::string> seenPaths;
    std::vector<EngineInput> inputs;
    std::vector<EngineOutput> engineOutputs;
    /// Some input has several candidate readers, none confirmed by the file's content.
    bool choosing = false;
    /// Where the run writes a GPX of what it read, to check the read by; empty when nothing needs
    /// it (every reader confirmed by its file's content, no check of names or lines to make).
    std::string probePath;
};

} // namespace tolk
