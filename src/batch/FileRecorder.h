#pragma once

#include "batch/FileOutcome.h"
#include "convert/RunView.h"
#include "core/Messenger.h"

namespace tolk {

/// The window and the message boxes as one job's conversion run sees them: everything shown
/// goes into the outcome of the file being converted, to be printed when its turn comes.
class FileRecorder : public RunView, public Messenger {
public:
    /// The outcome that everything shown from now on goes into.
    void RecordInto(FileOutcome& outcome) { m_outcome = &outcome; }

    void ShowStatus(const std::string& text) override { m_outcome->status = text; }
    void ShowResultCode(std::int32_t) override {}
    std::optional<std::string> TakeEditedTargetFolder() override { return std::nullopt; }
    void BringToFront() override {}

    void ShowMessage(const std::string& text) override { m_outcome->messages.push_back(text); }
    /// A file's conversion never asks; should it, nobody is there to say yes.
    bool AskYesNo(const std::string&) override { return false; }
    void ReportError(const std::string& message) override { m_outcome->failure = message; }

private:
    FileOutcome* m_outcome = nullptr;
};

} // namespace tolk
