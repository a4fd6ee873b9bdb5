#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>

namespace tolk {

/// The files of a source folder, read once per run, to find each file's merge partner without
/// probing the file system per file. The source folder, and each folder below it, is read when a
/// partner is first looked for in it: by a job, never by the thread that starts the run, and never
/// while another job waits to look in a folder already read.
class MergeIndex {
public:
    /// No folder: every partner is missing.
    MergeIndex() = default;
    /// The names of the files (not folders) in the folder and those below; a folder that cannot
    /// be read gives none.
    explicit MergeIndex(const std::string& folder);

    /// From any thread: whether the named file is there (a name below the source folder, such as
    /// "2024/a.wpt", is looked for in its own folder): by its exact name, or as the one name that
    /// differs from it only in ASCII case (not when several do, which would leave the choice to
    /// chance).
    bool Has(const std::string& name) const { return Find(name).has_value(); }
    /// The name of the file Has finds, as the folder spells it (with the name's folders).
    std::optional<std::string> Find(const std::string& name) const;

private:
    struct Folder {
        std::set<std::string> names;
        /// Each name under its upper case.
        std::multimap<std::string, std::string> byUpper;
    };
    struct Folders {
        std::mutex mutex;
        /// By path below the source folder; the source folder itself is "".
        std::map<std::string, Folder> read;
    };
    static Folder Read(const std::string& path);
    const Folder& FolderAt(const std::string& relative) const;

    std::string m_root;
    std::unique_ptr<Folders> m_folders;
};

} // namespace tolk
