#pragma once

#include "host/formats/FormatList.h"

#include <chrono>
#include <optional>
#include <string>

namespace tolk {

/// A working engine: where it is, the version line it gives and its format list.
struct LocatedEngine {
    std::string program;
    std::string version;
    FormatList formats;
};

/// The first "gpsbabel" along PATH that runs, names its version and lists its formats; none when
/// PATH holds no working one. Only absolute PATH entries are searched, never the current folder.
/// What an engine answered is kept in the user's cache folder (EngineCache), so an engine that is
/// unchanged since it last answered is taken without being run; answers newly asked for are kept
/// when keepAnswers says so.
std::optional<LocatedEngine> FindWorkingGpsBabel(std::chrono::milliseconds limit,
                                                 bool keepAnswers = true);

} // namespace tolk
