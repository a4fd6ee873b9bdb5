#include "core/PathAsFound.h"

#include "core/Text.h"

#include <filesystem>
#include <optional>

namespace tolk {

std::string PathAsFound(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (path.empty() || fs::exists(fs::symlink_status(path, error))) {
        return path;
    }
    const fs::path wanted(path);
    const fs::path folder = wanted.has_parent_path() ? wanted.parent_path() : fs::path(".");
    const std::string key = AsciiUpper(wanted.filename().string());
    std::optional<std::string> found;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (AsciiUpper(name) == key) {
            if (found) {
                return path; // several spellings: none of them is the one asked for
            }
            found = name;
        }
    }
    return found ? (wanted.parent_path() / *found).string() : path;
}

} // namespace tolk
