#pragma once

namespace tolk {

/// Made around the creation of the application object. Without a display to open windows on, Qt
/// would end the program with its platform plugin's text and an abort; while this object lives,
/// the user reads one plain sentence instead that points to the command without a window, and
/// the program ends with status 1. Qt's other messages of that time are held back and passed on
/// when it ends.
class DisplayRequired {
public:
    DisplayRequired();
    ~DisplayRequired();
    DisplayRequired(const DisplayRequired&) = delete;
    DisplayRequired& operator=(const DisplayRequired&) = delete;
};

} // namespace tolk
