#pragma once

#include "convert/SourceFolder.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tolk {

/// What a walk below the source folder found: names relative to the source folder
/// ("2024/trip/a.gpx"), in path order (PathOrderLess).
struct TreeWalk {
    std::vector<std::string> files;
    /// The folders walked, the one the walk began at first ("" for the source folder itself).
    std::vector<std::string> folders;
    /// The folders that could not be read, each with why ("File access denied").
    std::vector<std::pair<std::string, std::string>> unreadable;
};

/// The files of some types in a source folder and, when asked, in the folders below it. Each
/// folder is walked once, however many links lead to it, so that a link back up the tree leads
/// into no loop (once moved within the tree, it is walked under its new name); hidden folders and
/// the skipped folder (the target folder, when it lies inside) are not walked at all.
class SourceTree {
public:
    SourceTree(std::string root, std::vector<std::string> types, bool subfolders,
               std::string skipped);

    /// Walks the folder (a name relative to the source folder, "" for the source folder itself)
    /// and, when asked, the folders below it that were not walked yet. A source folder that
    /// cannot be read throws IoError; any other folder is reported and left out.
    TreeWalk Walk(const std::string& folder);
    /// The folder and those below it are gone: a folder found there later is walked anew.
    void Forget(const std::string& folder);

    /// The path of a name relative to the source folder.
    std::string PathOf(const std::string& relative) const;

private:
    struct Entry {
        std::string name;
        bool isFolder;
    };
    void WalkOne(const std::string& folder, const std::optional<FolderId>& skipped, TreeWalk& found,
                 std::vector<Entry>& next);
    /// Whether the folder's name still leads to the folder with that id.
    bool Leads(const std::string& folder, const FolderId& id) const;

    std::string m_root;
    std::vector<std::string> m_types;
    bool m_subfolders;
    std::string m_skipped;
    std::map<FolderId, std::string> m_walked;
};

/// The name of a file or folder below a folder ("" is the folder itself).
std::string JoinedName(const std::string& folder, const std::string& name);

} // namespace tolk
