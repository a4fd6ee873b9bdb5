// Folder discovery and the settings file, as start-up and closing use them.
#include "app/Tmainfrm.h"

namespace tolk {

void Tmainfrm::FindFolders() {}

void Tmainfrm::LoadSettingsFile() {}

void Tmainfrm::SaveSettingsFile() {}

} // namespace tolk
