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
    // create_directory answers false without an error when the folder already exists: another
    // program starting at the same moment may have made it since it was looked for, which is
    // no failure. A path ending in "/" still counts as one.
    if (std::filesystem::create_directory(path, error)) {
        return true;
    }
    return !error && path.back() != '/' && std::filesystem::is_directory(path, error);
}

} // namespace tolk
