#pragma once

#include "core/Messenger.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tolk::testing {

/// Captures every message, question and error report in order, and answers questions from a
/// queue (No when the queue is empty).
class MessageRecorder : public Messenger {
public:
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void ReportError(const std::string& message) override;

    /// Each entry as "message: text", "question: text" or "error: text" (the report's text).
    std::vector<std::string> shown;
    std::deque<bool> answers;
    /// Called with each message as it is shown, as if while its box were open.
    std::function<void(const std::string&)> onMessage;
    /// The same for each question, before it is answered.
    std::function<void(const std::string&)> onQuestion;
};

} // namespace tolk::testing
