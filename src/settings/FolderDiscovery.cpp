#include "settings/FolderDiscovery.h"

#include "core/Translate.h"
#include "settings/MakeFolder.h"
#include "settings/RegistryText.h"

#include <filesystem>
#include <system_error>

namespace tolk {
namespace {

bool IsFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

} // namespace

FolderDiscovery::FolderDiscovery(Registry& registry, SpecialFolders& folders, Messenger& messenger)
    : m_registry(registry), m_folders(folders), m_messenger(messenger) {}

void FolderDiscovery::FindUserFolder(std::string& userFolder) {
    if (!userFolder.empty() && IsFolder(userFolder)) {
        return;
    }
    userFolder = UserFolderPath();
    if (!MakeFolder(userFolder)) {
        m_messenger.ShowMessage(
            Tr("Settings", "Unable to find or create user folder: %1", {userFolder}));
    }
}

std::string FolderDiscovery::FindWorkFolder(const std::string& exePath,
                                            const std::string& exeFolder) {
    RegWriteStringIfChanged(m_registry, RegistryRoot::LocalMachine, HostKeyPath, "exename",
                            exePath);
    std::string workFolder = RegisteredWorkFolder();
    if (workFolder.empty()) {
        workFolder = DefaultWorkFolder(exeFolder);
        RegWriteStringIfChanged(m_registry, RegistryRoot::CurrentUser, HostKeyPath, "workfolder",
                                workFolder);
    }
    // A folder the host registered is used as it stands, even when it cannot be created: the
    // host's own choice is never replaced by the default.
    if (!MakeFolder(workFolder)) {
        workFolder.clear();
    }
    return workFolder;
}

std::string FolderDiscovery::UserFolderPath() {
    return m_folders.SpecialFolderPath(DocumentsFolderId) + "/My TOLK";
}

std::string FolderDiscovery::LookUpWorkFolder(const std::string& exeFolder) {
    const std::string registered = RegisteredWorkFolder();
    return registered.empty() ? DefaultWorkFolder(exeFolder) : registered;
}

std::string FolderDiscovery::RegisteredWorkFolder() {
    return RegReadString(m_registry, RegistryRoot::CurrentUser, HostKeyPath, "workfolder");
}

std::string FolderDiscovery::DefaultWorkFolder(const std::string& exeFolder) {
    const std::string appData = m_folders.SpecialFolderPath(AppDataFolderId);
    return appData.empty() ? exeFolder.substr(0, exeFolder.size() - 1) : appData + "/Orvane/TOLK";
}

} // namespace tolk
