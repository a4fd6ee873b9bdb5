#pragma once

#include "core/ReferenceData.h"

#include <string>

namespace tolk {

// Lists of the values the command accepts, one a line, taken from the tables and reference lists
// the command checks its values against.

/// The types the shell's completion offers: "source-types" (also the merge types) or
/// "target-types"; empty for any other list.
std::string CompletionValues(const std::string& list);

/// The datums --datum takes: the names of DATUMS.TXT.
std::string DatumListing(const ReferenceData& offered);

/// The grids --grid takes: those offered that the engine can apply.
std::string GridListing(const ReferenceData& offered);

} // namespace tolk
