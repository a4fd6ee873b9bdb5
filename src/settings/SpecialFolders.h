#pragma once

#include <string>

namespace tolk {

/// Shell folder numbers the program asks for.
inline constexpr int DocumentsFolderId = 5;
inline constexpr int AppDataFolderId = 26;

/// The platform's special folders.
class SpecialFolders {
public:
    virtual ~SpecialFolders() = default;

    /// The path of the special folder with the shell number `csidl` (DocumentsFolderId,
    /// AppDataFolderId), or empty when the folder is not available.
    virtual std::string SpecialFolderPath(int csidl) = 0;
};

} // namespace tolk
