// Folder discovery and the settings file, as start-up and closing use them.
#include "app/Tmainfrm.h"
#include "settings/FolderDiscovery.h"
#include "settings/ProgramFolders.h"
#include "settings/SettingsFile.h"

namespace tolk {

void Tmainfrm::FindFolders() {
    FolderDiscovery discovery(*m_services.registry, *m_services.specialFolders,
                              m_services.messenger);
    FindProgramFolders(m_services.exePath, discovery, m_records);
}

void Tmainfrm::LoadSettingsFile() {
    LoadSettings(m_settingsPath, m_records.UserFolder, m_records.Settings);
}

void Tmainfrm::SaveSettingsFile() {
    // When start-up stopped before it knew where the settings live, nothing was loaded and
    // there is no file to write.
    if (m_settingsPath.empty()) {
        return;
    }
    SaveSettings(m_settingsPath, m_records.Settings, m_services.messenger);
}

} // namespace tolk
