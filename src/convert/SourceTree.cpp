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
    // Each folder's files and subfolders go on the stack together, in reverse order, so that
    // they come off it in path order: the files need no sorting afterwards.
    std::vector<Entry> next{{folder, true}};
    while (!next.empty()) {
        Entry current = std::move(next.back());
        next.pop_back();
        if (!current.isFolder) {
            found.files.push_back(std::move(current.name));
            continue;
        }
        try {
            WalkOne(current.name, skipped, found, next);
        } catch (const IoError& error) {
            if (current.name.empty()) {
                throw;
            }
            found.unreadable.emplace_back(current.name, error.what());
        }
    }
    return found;
}

void SourceTree::WalkOne(const std::string& folder, const std::optional<FolderId>& skipped,
                         TreeWalk& found, std::vector<Entry>& next) {
    SourceFolder entered(PathOf(folder));
    const FolderId id = entered.Id();
    const auto walked = m_walked.find(id);
    if (walked != m_walked.end()) {
        if (walked->second == folder || Leads(walked->second, id)) {
            return;
        }
        // Moved within the tree: its old name leads to it no more. (A copy: forgetting it
        // removes the entry that holds it.)
        Forget(std::string(walked->second));
    }
    m_walked.emplace(id, folder);
    if (!folder.empty() && id == skipped) {
        return;
    }
    const FolderEntries entries = entered.Entries(m_types);
    found.folders.push_back(folder);
    std::vector<Entry> inside;
    for (const std::string& name : entries.files) {
        inside.push_back({name, false});
    }
    for (const std::string& name : m_subfolders ? entries.folders : std::vector<std::string>()) {
        inside.push_back({name, true});
    }
    std::sort(inside.begin(), inside.end(),
              [](const Entry& a, const Entry& b) { return ListOrderLess(b.name, a.name); });
    for (Entry& entry : inside) {
        next.push_back({JoinedName(folder, entry.name), entry.isFolder});
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
