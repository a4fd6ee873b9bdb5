#pragma once

#include "convert/RunSink.h"
#include "core/Messenger.h"

#include <functional>
#include <string>
#include <vector>

namespace tolk::testing {

/// Records what a conversion run shows: statuses and outcomes here, messages and error reports
/// in the given messenger (so that they stand in order with the checks' questions); can act on
/// each status text as it appears (to change the world in the middle of a run).
class RecordingSink : public RunSink {
public:
    explicit RecordingSink(Messenger& messenger) : m_messenger(messenger) {}

    void ShowStatus(const std::string& text) override {
        statuses.push_back(text);
        if (onStatus) {
            onStatus(text);
        }
    }
    void ShowMessage(const std::string& text) override { m_messenger.ShowMessage(text); }
    void ShowNote(const std::string& text) override { notes.push_back(text); }
    void FileDone(int index, const FileOutcome& outcome) override {
        done.push_back(index);
        outcomes.push_back(outcome);
    }
    void ReportError(const std::string& message) override { m_messenger.ReportError(message); }

    std::vector<std::string> statuses;
    std::vector<std::string> notes;
    std::vector<int> done;
    std::vector<FileOutcome> outcomes;
    std::function<void(const std::string&)> onStatus;

private:
    Messenger& m_messenger;
};

} // namespace tolk::testing
