#pragma once

#include <dirent.h>
#include <memory>
#include <string>
#include <vector>

namespace tolk {

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

private:
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

} // namespace tolk
