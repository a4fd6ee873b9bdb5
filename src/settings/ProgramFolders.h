#pragma once

#include "settings/FolderDiscovery.h"

#include <string>

namespace tolk {

inline constexpr const char* SettingsFileName = "tolkconv.ini";
/// The window program's file name; the headless command lies beside it.
inline constexpr const char* WindowProgramName = "tolkconv";

/// The folders start-up finds, in the order it finds them.
struct ProgramFolders {
    std::string ExeFolder;  ///< the executable's folder, with its trailing "/"
    std::string UserFolder; ///< the user's own data folder
    std::string WorkFolder; ///< the host's work folder; empty when neither found nor created

    /// The settings file: WorkFolder + "/tolkconv.ini"; empty without a work folder, as there is
    /// then no place of the program's own for it.
    std::string SettingsPath() const {
        return WorkFolder.empty() ? std::string() : WorkFolder + "/" + SettingsFileName;
    }
};

/// Start-up's folder discovery, the one sequence both programs run: ExeFolder from the window
/// program's full path, then UserFolder, then WorkFolder, each stored as soon as it is found
/// (so a registry error from the work-folder search leaves the first two in place). The path is
/// also what the host is told to start ("exename"); the headless command passes its sibling
/// window program's path, so that it never points the host at a program without a window.
void FindProgramFolders(const std::string& windowProgramPath, FolderDiscovery& discovery,
                        ProgramFolders& folders);

/// The folders FindProgramFolders finds, looked up only: nothing is created, registered or
/// recorded, for commands that only answer a question.
void LookUpProgramFolders(const std::string& windowProgramPath, FolderDiscovery& discovery,
                          ProgramFolders& folders);

/// The path of the window program that lies in the same folder as the executable `exePath`.
std::string WindowProgramBeside(const std::string& exePath);

} // namespace tolk
