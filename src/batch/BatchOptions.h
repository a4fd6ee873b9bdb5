#pragma once

#include "batch/Shard.h"

#include <chrono>
#include <map>
#include <optional>
#include <string>

namespace tolk {

/// What the command line asked for. A value that was not given is absent: it then comes from
/// the settings file, as the window would use it.
struct BatchOptions {
    std::optional<std::string> sourceFolder;
    std::optional<std::string> sourceType;
    std::optional<std::string> mergeType; ///< empty: no merging
    std::optional<std::string> targetFolder;
    std::optional<std::string> targetType;
    std::optional<std::string> datum; ///< empty: no datum change
    std::optional<std::string> grid;  ///< empty: no grid change
    /// Engine format per file type for this run ("format" or "format,options").
    std::map<std::string, std::string> engineFormats;
    int jobs = 1;
    bool createTarget = false;
    bool save = false;
    bool quiet = false;
    /// A file whose target type cannot hold all its data fails.
    bool strict = false;
    /// The files below the source folder too, each into the same folder below the target.
    bool recursive = false;
    /// Files whose targets are newer are skipped.
    bool onlyNewer = false;
    /// After the run, files that appear or change are converted once they settle.
    bool watch = false;
    /// How long a watched file must not change before it is converted.
    std::chrono::milliseconds settle{2000};
    /// The slice of the files this run converts.
    Shard shard;
};

} // namespace tolk
