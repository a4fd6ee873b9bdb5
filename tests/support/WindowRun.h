#pragma once

#include "app/Tmainfrm.h"

#include <QCoreApplication>
#include <QPushButton>
#include <chrono>

namespace tolk::testing {

/// Lets the window's event loop run until its conversion command has ended (or a minute has
/// passed, which no test's run comes near).
inline void WaitForRun(Tmainfrm& window) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (window.Running() && std::chrono::steady_clock::now() < deadline) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

/// Clicks the named command button and waits until the command it started has ended.
inline void ClickAndWait(Tmainfrm& window, const char* button) {
    window.findChild<QPushButton*>(button)->click();
    WaitForRun(window);
}

} // namespace tolk::testing
