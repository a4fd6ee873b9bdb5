#include "batch/TargetFolders.h"

#include "core/Translate.h"

#include <filesystem>
#include <set>
#include <system_error>

namespace tolk {
namespace {

namespace fs = std::filesystem;

// Every folder the names lie in, each level of it on its own, a folder before those below it.
std::set<std::string> FoldersOf(const std::vector<std::string>& names) {
    std::set<std::string> folders;
    for (const std::string& name : names) {
        for (auto slash = name.find('/'); slash != std::string::npos;
             slash = name.find('/', slash + 1)) {
            folders.insert(name.substr(0, slash));
        }
    }
    return folders;
}

std::string ParentOf(const std::string& folder) {
    const auto slash = folder.rfind('/');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

} // namespace

std::vector<std::string> MakeTargetFolders(const std::string& target,
                                           const std::vector<std::string>& names,
                                           HostConnection& host) {
    std::vector<std::string> problems;
    std::set<std::string> failed;
    for (const std::string& folder : FoldersOf(names)) {
        if (failed.contains(ParentOf(folder))) {
            failed.insert(folder);
            continue;
        }
        const std::string path = target + "/" + folder;
        std::error_code error;
        if (!fs::is_directory(path, error)) {
            // Another machine converting a slice of the same tree may make it at the same time.
            fs::create_directory(path, error);
            std::error_code checked;
            if (!fs::is_directory(path, checked)) {
                problems.push_back(error
                                       ? Tr("Convert", "Unable to create target folder %1: %2",
                                            {path, error.message()})
                                       : Tr("Batch", "Unable to create target folder %1", {path}));
                failed.insert(folder);
                continue;
            }
        }
        host.TidyFolder(path);
    }
    return problems;
}

} // namespace tolk
