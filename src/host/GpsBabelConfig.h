#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace tolk {

/// What the program tells its gpsbabel host when creating it.
struct GpsBabelConfig {
    /// The program's work folder, where the user's "hostformats.ini" lies; empty for none.
    std::string workFolder;
    /// The datum names the converter offers (from DATUMS.TXT): gpsbabel's own datum names.
    std::vector<std::string> datumNames;
    /// The grid names the converter offers beyond its five fixed grids (from GRIDS.TXT).
    std::vector<std::string> gridNames;
    /// How long one engine run may take before it is stopped. Ordinary files take well under a
    /// second, but some writers slow down sharply with track length (a 20,000-point track written
    /// in the tab-separated text format for txt takes about half a minute); five minutes leaves
    /// room for large logs while a hung engine cannot hold the window for longer than that.
    std::chrono::milliseconds timeLimit = std::chrono::minutes(5);
};

} // namespace tolk
