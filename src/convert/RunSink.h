#pragma once

#include "convert/FileOutcome.h"

#include <string>

namespace tolk {

/// Where a conversion command shows its end: the status line, the message boxes and the default
/// error report. Every call comes in the order the user is to see it.
class CommandSink {
public:
    virtual ~CommandSink() = default;

    /// Sets the status line.
    virtual void ShowStatus(const std::string& text) = 0;
    /// Shows a message and returns once the user has seen it.
    virtual void ShowMessage(const std::string& text) = 0;
    /// A note on the whole run, shown after its summary.
    virtual void ShowNote(const std::string& text) = 0;
    /// An error ended the command: the default error report.
    virtual void ReportError(const std::string& message) = 0;
};

/// Where a conversion run shows itself: what a command shows, and each file's outcome.
class RunSink : public CommandSink {
public:
    /// The listed file at the index is done and its messages and status were shown.
    virtual void FileDone(int index, const FileOutcome& outcome) = 0;
};

/// Hears about each file of a run, on the thread that shows the run.
class RunListener {
public:
    virtual ~RunListener() = default;
    /// A job began converting the listed file at the index. Several may be under way at once,
    /// and they need not begin in list order.
    virtual void FileStarted(int index) = 0;
    /// The file at the index is done; called strictly in list order. The run waits for the
    /// return before it lets a further file begin.
    virtual void FileFinished(int index, const FileOutcome& outcome) = 0;
    /// An error ended the run before the listed file at the index began; called after every
    /// file that finished, in list order. Shown as a file that finished unless overridden.
    virtual void FileNotBegun(int index, const FileOutcome& outcome) {
        FileFinished(index, outcome);
    }
    /// Every file of the run was shown; the end of the command follows.
    virtual void RunEnded() {}
};

} // namespace tolk
