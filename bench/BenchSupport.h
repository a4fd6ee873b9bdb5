#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace tolk::bench {

/// A small GPX file of a few waypoints and a short track, different for every index.
void WriteGpx(const std::filesystem::path& path, int index);

struct Took {
    double wall; ///< seconds on the clock
    double cpu;  ///< processor seconds of this program and of the processes it waited for
};

/// How long the action took.
Took Measure(const std::function<void()>& action);

/// A shell command converting every root/src/*.gpx to root/<outFolder>/*.kml, one engine start
/// per file, with the same engine arguments as the gpsbabel host passes.
std::string EngineShellLoop(const std::filesystem::path& root, const std::string& outFolder);

/// Runs the shell loop once untimed, so that the engine is in the page cache for both timed
/// runs, then runs it timed.
Took MeasureEngineShellLoop(const std::filesystem::path& root, const std::string& outFolder);

} // namespace tolk::bench
