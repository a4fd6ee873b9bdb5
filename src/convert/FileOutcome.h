#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// What converting one listed file showed and came to.
struct FileOutcome {
    /// The messages shown while the file was converted, in order ("\r\n" inside).
    std::vector<std::string> messages;
    /// The status line once the file was done: "Converted: ", "Could NOT convert: ", or still
    /// "Converting: " when the host could not be reached.
    std::string status;
    bool converted = false;
    /// The merge file (base name + "." + merge type) that was not found; empty when none was
    /// missing.
    std::string mergeMissing;
    /// Why the file did not convert, or why part of it failed, in words for the user; for a file
    /// that converted, also how it was read when not as its type says.
    std::string reason;
    /// What a converted file's target type could not hold of its data, in words for the user;
    /// empty when it holds everything.
    std::string notKept;
    /// The host's result code for closing the document, when it was closed.
    std::optional<std::int32_t> closeResult;
    /// The command was stopped while the file was converted, and it was not converted.
    bool stopped = false;
    /// The error that ended the whole command at this file, if one did.
    std::optional<std::string> failure;
};

/// What the outcome says besides its status, for a tool tip or a log line: the reason and what
/// was not kept, either or both.
inline std::string OutcomeNotes(const FileOutcome& outcome) {
    return outcome.reason.empty() || outcome.notKept.empty()
               ? outcome.reason + outcome.notKept
               : outcome.reason + "; " + outcome.notKept;
}

} // namespace tolk
