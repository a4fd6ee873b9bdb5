#pragma once

#include "core/Messenger.h"
#include "settings/Registry.h"
#include "settings/SpecialFolders.h"

#include <string>

namespace tolk {

/// Finds, and creates when missing, the user's data folder and the host's work folder.
class FolderDiscovery {
public:
    FolderDiscovery(Registry& registry, SpecialFolders& folders, Messenger& messenger);

    /// Leaves an existing non-empty userFolder alone; otherwise sets it to the documents
    /// folder + "/My TOLK" and creates it, with a message when that fails (the path is kept).
    void FindUserFolder(std::string& userFolder);

    /// Records exePath as "exename" for the machine, then returns the work folder the host
    /// registered for this user ("workfolder"), or, when there is none, registers and returns
    /// the default: the application-data folder + "/Orvane/TOLK", or exeFolder without its
    /// trailing "/" when there is no application-data folder. The folder is created when
    /// missing; the result is empty when that fails. Registry errors are thrown.
    std::string FindWorkFolder(const std::string& exePath, const std::string& exeFolder);

    /// The user folder FindUserFolder sets, looked up only: nothing is created.
    std::string UserFolderPath();
    /// The work folder FindWorkFolder returns when all goes well (the registered one, or the
    /// default), looked up only: nothing is recorded, registered or created.
    std::string LookUpWorkFolder(const std::string& exeFolder);

private:
    std::string RegisteredWorkFolder();
    std::string DefaultWorkFolder(const std::string& exeFolder);

    Registry& m_registry;
    SpecialFolders& m_folders;
    Messenger& m_messenger;
};

} // namespace tolk
