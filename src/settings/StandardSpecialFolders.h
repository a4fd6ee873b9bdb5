#pragma once

#include "settings/SpecialFolders.h"

namespace tolk {

/// The special folders on Linux, as the desktop's standard paths give them: the documents
/// folder (usually "~/Documents") and the shared application-data folder (usually
/// "~/.local/share").
class StandardSpecialFolders : public SpecialFolders {
public:
    std::string SpecialFolderPath(int csidl) override;
};

} // namespace tolk
