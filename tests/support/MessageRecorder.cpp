#include "MessageRecorder.h"

#include "core/ErrorReport.h"

namespace tolk::testing {

void MessageRecorder::ShowMessage(const std::string& text) {
    shown.push_back("message: " + text);
    if (onMessage) {
        onMessage(text);
    }
}

bool MessageRecorder::AskYesNo(const std::string& text) {
    shown.push_back("question: " + text);
    if (onQuestion) {
        onQuestion(text);
    }
    if (answers.empty()) {
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void MessageRecorder::ReportError(const std::string& message) {
    shown.push_back("error: " + ErrorReportText(message));
}

} // namespace tolk::testing
