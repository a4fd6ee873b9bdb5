#pragma once

#include "core/ReferenceData.h"

#include <chrono>
#include <cstddef>
#include <map>
#include <string>

namespace tolk {

/// What the program tells its gpsbabel host when creating it.
struct GpsBabelConfig {
    /// The program's work folder, where the user's "hostformats.ini" lies; empty for none.
    std::string workFolder;
    /// Choices of engine format per file type ("format" or "format,options") for this run only,
    /// over those of "hostformats.ini".
    std::map<std::string, std::string> formatChoices;
    /// The datums and grids the converter offers (the datum names are gpsbabel's own), with the
    /// engine's keyword for each grid: the host accepts exactly these.
    ReferenceData reference;
    /// How long one engine run may take before it is stopped. Ordinary files take well under a
    /// second, but some writers slow down sharply with track length (a 20,000-point track written
    /// in the tab-separated text format for txt takes about half a minute); five minutes leaves
    /// room for large logs while a hung engine cannot hold the window for longer than that.
    std::chrono::milliseconds timeLimit = std::chrono::minutes(5);
    /// The memory the engines of all hosts made together may take at once, shared equally among
    /// them; 0 for the default (EngineMemoryBudgetMb).
    std::size_t memoryBudgetMb = 0;
    /// How many hosts' engines may run at once (a command's jobs), whether the hosts are made
    /// together or one by one: each takes that share of the memory budget.
    int jobs = 1;
    /// A file the target type cannot hold whole fails (its older target kept) rather than
    /// converting what fits and saying what it did not keep.
    bool keepAllOrFail = false;
    /// Whether what the engine answers at start-up is kept in the user's cache folder; a command
    /// that only answers a question leaves nothing behind.
    bool keepEngineAnswers = true;
};

} // namespace tolk
