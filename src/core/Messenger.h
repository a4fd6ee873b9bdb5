#pragma once

#include <string>

namespace tolk {

/// The one way the program shows messages and asks its question, so that tests can put a
/// recorder in place of real message boxes.
class Messenger {
public:
    virtual ~Messenger() = default;

    /// A modal box captioned with the application title, no icon, one "OK" button.
    virtual void ShowMessage(const std::string& text) = 0;

    /// A modal "Confirm" box with a question icon and "&Yes" / "&No"; closing it counts as No.
    virtual bool AskYesNo(const std::string& text) = 0;

    /// The application's default error report for a failure that no handler caught.
    virtual void ReportError(const std::string& message) = 0;
};

} // namespace tolk
