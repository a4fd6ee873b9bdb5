#pragma once

#include <dirent.h>
#include <memory>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace tolk {

/// What tells one folder from every other, however many paths lead to it.
struct FolderId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FolderId&) const = default;
    bool operator<(const FolderId& other) const {
        return device != other.device ? device < other.device : inode < other.inode;
    }
};

/// What a folder holds for a conversion: the names of its files of some types and of its
/// subfolders, hidden ones left out.
struct FolderEntries {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

/// A folder entered for listing the files of one type in it.
class SourceFolder {
public:
    /// Enters the folder (a full path, or one relative to the working directory). Throws
    /// IoError with the code FolderErrorCode gives when the folder cannot be entered.
    explicit SourceFolder(const std::string& path);

    /// The folder's full path with links resolved: two paths to the same folder give the same
    /// text.
    const std::string& FullPath() const { return m_fullPath; }

    /// The names of the regular files (a link to one counts) whose names do not start with "."
    /// and end in "." + type, the type compared in ASCII without regard to case; with an empty
    /// type, the names without a dot. Sorted without regard to ASCII case, names equal in that
    /// order by their bytes. Throws IoError when reading the folder fails.
    std::vector<std::string> MatchingNames(const std::string& type);
    /// The names of the files that MatchingNames gives for any of the types, and of the folders
    /// (a link to one counts) whose names do not start with ".", both in no particular order.
    /// Throws IoError when reading the folder fails.
    FolderEntries Entries(const std::vector<std::string>& types);
    /// The folder entered, whatever path led to it.
    FolderId Id() const;

private:
    FolderEntries Read(const std::vector<std::string>& types, bool withFolders);

    struct Closer {
        void operator()(DIR* dir) const { closedir(dir); }
    };
    std::string m_fullPath;
    std::unique_ptr<DIR, Closer> m_dir;
};

/// The input/output error code for a folder that could not be entered with the system error:
/// 2 "File not found" when the folder or its parent is missing but the folder above the parent
/// exists, 3 "Invalid filename" when that is missing too or a file stands where a folder should
/// be, 4 "Too many open files", 5 "File access denied"; any other error keeps its own number.
int FolderErrorCode(const std::string& path, int error);

/// Whether the file name ends in "." + type, the type compared in ASCII without regard to case;
/// for an empty type, whether the name holds no dot.
bool HasFileType(std::string_view name, std::string_view type);

/// The order of the file list: without regard to ASCII case, names equal in that order by
/// their bytes.
bool ListOrderLess(const std::string& a, const std::string& b);

/// The order of names below a folder ("2024/trip/a.gpx"): folder by folder in the file list's
/// order, so that a folder's files and subfolders stand together.
bool PathOrderLess(const std::string& a, const std::string& b);

} // namespace tolk
