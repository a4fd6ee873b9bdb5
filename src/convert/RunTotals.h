#pragma once

#include <optional>
#include <string>

namespace tolk {

/// The totals of a run, built from the outcomes shown; the same whatever the number of jobs.
struct RunTotals {
    int done = 0; ///< files whose outcomes were shown
    int converted = 0;
    /// Converted files whose target type could not hold all their data.
    int partlyKept = 0;
    /// "\r\n" + base name + "." + merge type per merge file not found, in list order.
    std::string mergeMissingList;
    /// The error that ended the run at a file; the files begun before it ended were still shown.
    std::optional<std::string> failure;
    /// After a stop: the first listed file that the stop kept from converting.
    std::optional<int> resumeAt;
};

} // namespace tolk
