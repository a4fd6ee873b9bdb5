#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// What converting one listed file showed and came to, kept until the files before it are out.
struct FileOutcome {
    /// The messages shown while the file was converted, in order ("\r\n" inside).
    std::vector<std::string> messages;
    /// The status line once the file was done: "Converted: ", "Could NOT convert: ", or still
    /// "Converting: " when the host could not be reached.
    std::string status;
    bool converted = false;
    /// The lines this file added to the list of merge files that were not found.
    std::string mergeMissing;
    /// The error that ended the whole command at this file, if one did.
    std::optional<std::string> failure;
};

} // namespace tolk
