#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// The totals of a run, built from the outcomes shown; the same whatever the number of jobs.
struct RunTotals {
    int done = 0; ///< files whose outcomes were shown
    int converted = 0;
    /// The listed files (their indexes) that did not convert, in list order; after an error that
    /// ended the run, also those it kept from beginning.
    std::vector<int> notConverted;
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
