#pragma once

namespace tolk {

/// The program from start-up to exit, inside the application object that program entry made:
/// the main window with its host, help bridge and message boxes. Returns the exit code.
int RunProgram();

} // namespace tolk
