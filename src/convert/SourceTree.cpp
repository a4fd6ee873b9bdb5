#include "convert/SourceTree.h"

#include "core/TolkError.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <sys/stat.h>

namespace tolk {

SourceTree::SourceTree(std::string root, std::vector<std::string> types, bool subfolders,
                       std::string skipped)
    : m_root(std::move(root)), m_types(std::move(types)), m_subfolders(subfolders),
      m_skipped(std::move(skipped)) {}

std::string JoinedName(const std::string& folder, const std::string& name) {
    return folder.empty() ? name : folder + "/" + name;
}

std::string SourceTree::PathOf(const std::string& relative) const {
    return relative.empty() ? m_root : m_root + "/" + relative;
}

TreeWalk SourceTree::Walk(const std::string& folder) {
    struct stat status {};
    const bool skips = !m_skipped.empty() && stat(m_skipped.c_str(), &status) == 0;
    const std::optional<FolderId> skipped =
        skips ? std::optional<FolderId>(FolderId{status.st_dev, status.st_ino}) : std::nullopt;
    TreeWalk found;
    std::vector<std::string> next{folder};
    while (!next.empty()) {
        const std::string current = std::move(next.back());
        next.pop_back();
        try {
            WalkOne(current, skipped, found, next);
        } catch (const IoError& error) {
            if (current.empty()) {
                throw;
            }
            found.unreadable.emplace_back(current, error.what());
        }
    }
    std::sort(found.files.begin(), found.files.end(), PathOrderLess);
    return found;
}

void SourceTree::WalkOne(const std::string& folder, const std::optional<FolderId>& skipped,
                         TreeWalk& found, std::vector<std::string>& next) {
    SourceFolder entered(PathOf(folder));
    const FolderId id = entered.Id();
    const auto walked = m_walked.find(id);
    if (walked != m_walked.end()) {
        if (walked->second == folder || Leads(walked->second, id)) {
            return;
        }
        // Moved within the tree: its old name leads to it no more.
        Forget(walked->second);
    }
    m_walked.emplace(id, folder);
    if (!folder.empty() && id == skipped) {
        return;
    }
    FolderEntries entries = entered.Entries(m_types);
    found.folders.push_back(folder);
    for (const std::string& name : entries.files) {
        found.files.push_back(JoinedName(folder, name));
    }
    if (m_subfolders) {
        // Pushed in reverse so that the folders come off the stack in order.
        std::sort(entries.folders.begin(), entries.folders.end(), ListOrderLess);
        for (auto name = entries.folders.rbegin(); name != entries.folders.rend(); ++name) {
            next.push_back(JoinedName(folder, *name));
        }
    }
}

bool SourceTree::Leads(const std::string& folder, const FolderId& id) const {
    struct stat status {};
    return stat(PathOf(folder).c_str(), &status) == 0 &&
           FolderId{status.st_dev, status.st_ino} == id;
}

void SourceTree::Forget(const std::string& folder) {
    std::erase_if(m_walked, [&folder](const auto& walked) {
        return folder.empty() || walked.second == folder || walked.second.starts_with(folder + "/");
    });
}

} // namespace tolk
