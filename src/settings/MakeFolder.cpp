#include "settings/MakeFolder.h"

#include <filesystem>
#include <system_error>

namespace tolk {

std::string ParentFolder(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return {};
    }
    const bool keepSlash = slash == 0 || path[slash - 1] == '/';
    return path.substr(0, keepSlash ? slash + 1 : slash);
}

bool MakeFolder(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return true;
    }
    if (path.empty()) {
        return false;
    }
    const std::string parent = ParentFolder(path);
    if (parent == path || !MakeFolder(parent)) {
        return false;
    }
    // create_directory answers false without an error when the folder already exists; that
    // counts as a failed creation, as it does for a path ending in "/".
    return std::filesystem::create_directory(path, error) && !error;
}

} // namespace tolk
