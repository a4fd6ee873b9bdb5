#pragma once

#include "core/Messenger.h"

#include <exception>
#include <string>
#include <utility>

namespace tolk {

/// The text the default error report shows: a "." is appended unless the message is empty or
/// already ends in a character at or below the full stop (so ")" and "!" stay unchanged).
std::string ErrorReportText(const std::string& message);

/// Runs one user action; any failure that escapes it ends the action and goes to the default
/// error report. Every Qt slot or event handler that can throw runs through here, so that no
/// exception ever crosses into Qt.
template <class Action>
void RunGuarded(Messenger& messenger, Action&& action) {
    try {
        std::forward<Action>(action)();
    } catch (const std::exception& e) {
        messenger.ReportError(e.what());
    } catch (...) {
        messenger.ReportError("Unknown error");
    }
}

} // namespace tolk
