#pragma once

#include "convert/RunView.h"

#include <functional>
#include <string>
#include <vector>

namespace tolk::testing {

/// Records what a conversion run shows, hands out an edited target folder once, and can act
/// on each status text as it appears (to change the world in the middle of a run).
class RecordingView : public RunView {
public:
    void ShowStatus(const std::string& text) override {
        statuses.push_back(text);
        if (onStatus) {
            onStatus(text);
        }
    }
    void ShowResultCode(std::int32_t code) override { resultCode = std::to_string(code); }
    std::optional<std::string> TakeEditedTargetFolder() override {
        auto edited = editedTarget;
        editedTarget.reset();
        return edited;
    }
    void BringToFront() override { ++broughtToFront; }

    std::vector<std::string> statuses;
    std::string resultCode;
    std::optional<std::string> editedTarget;
    int broughtToFront = 0;
    std::function<void(const std::string&)> onStatus;
};

} // namespace tolk::testing
