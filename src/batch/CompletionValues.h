#pragma once

#include <string>

namespace tolk {

/// The values the shell's completion offers for an option, one a line, taken from the tables
/// and reference lists the command checks its values against: "source-types" (also the merge
/// types), "target-types", "datums" or "grids" of the program installed in exeFolder (with its
/// trailing "/"). Empty for any other list.
std::string CompletionValues(const std::string& list, const std::string& exeFolder);

} // namespace tolk
