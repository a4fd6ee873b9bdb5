#pragma once

#include <string>

namespace tolk {

/// What the program sets on the application object before its main window exists: the font
/// that stands in for the design's, the desktop entry and icon, and the application title.
void SetUpApplication();

/// The program from start-up to exit, inside the application object that program entry made:
/// the main window with its host, help bridge and message boxes, started on `startFolder` as the
/// source folder unless that is empty. Returns the exit code.
int RunProgram(const std::string& startFolder = {});

} // namespace tolk
