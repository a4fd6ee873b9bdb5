#pragma once

#include "core/Messenger.h"

namespace tolk {

/// Messages as modal boxes centred on the screen.
class QtMessenger : public Messenger {
public:
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void ReportError(const std::string& message) override;
};

} // namespace tolk
