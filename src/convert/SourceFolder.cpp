#include "convert/SourceFolder.h"

#include "core/TolkError.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <system_error>

namespace tolk {
namespace {

// File names are bytes; only ASCII letters fold, so the order never depends on the locale.
unsigned char Folded(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return Folded(x) == Folded(y); });
}

bool NameLess(std::string_view a, std::string_view b) {
    const auto [left, right] = std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                                             [](char x, char y) { return Folded(x) == Folded(y); });
    if (left == a.end() || right == b.end()) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    }
    return Folded(*left) < Folded(*right);
}

enum class EntryKind { File, Folder, Other };

// Most file systems give the entry's kind with its name; ask the system only for links and for
// entries whose kind is not given.
EntryKind KindOf(DIR* dir, const dirent& entry) {
    if (entry.d_type == DT_REG) {
        return EntryKind::File;
    }
    if (entry.d_type == DT_DIR) {
        return EntryKind::Folder;
    }
    struct stat status;
    if ((entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) ||
        fstatat(dirfd(dir), entry.d_name, &status, 0) != 0) {
        return EntryKind::Other;
    }
    return S_ISREG(status.st_mode)   ? EntryKind::File
           : S_ISDIR(status.st_mode) ? EntryKind::Folder
                                     : EntryKind::Other;
}

bool IsFolder(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

} // namespace

int FolderErrorCode(const std::string& path, int error) {
    switch (error) {
    case ENOENT: {
        std::error_code ec;
        std::filesystem::path folder = std::filesystem::absolute(path, ec).lexically_normal();
        if (!folder.has_filename()) {
            folder = folder.parent_path();
        }
        return IsFolder(folder.parent_path().parent_path()) ? 2 : 3;
    }
    case ENOTDIR:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
        return 5;
    default:
        return error;
    }
}

SourceFolder::SourceFolder(const std::string& path) : m_dir(opendir(path.c_str())) {
    if (!m_dir) {
        throw IoError(FolderErrorCode(path, errno));
    }
    std::unique_ptr<char, decltype(&std::free)> full(realpath(path.c_str(), nullptr), &std::free);
    if (!full) {
        throw IoError(FolderErrorCode(path, errno));
    }
    m_fullPath = full.get();
}

std::vector<std::string> SourceFolder::MatchingNames(const std::string& type) {
    std::vector<std::string> names = Read({type}, false).files;
    std::sort(names.begin(), names.end(), ListOrderLess);
    return names;
}

FolderEntries SourceFolder::Entries(const std::vector<std::string>& types) {
    return Read(types, true);
}

// The kind of an entry is asked only for names that may be listed: in a large folder most are
// not, and on some file systems each asking is a call to the system.
FolderEntries SourceFolder::Read(const std::vector<std::string>& types, bool withFolders) {
    FolderEntries entries;
    rewinddir(m_dir.get());
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(m_dir.get());
        if (!entry) {
            break;
        }
        const std::string_view name = entry->d_name;
        const bool typed = std::ranges::any_of(
            types, [name](const std::string& type) { return HasFileType(name, type); });
        if (name.front() == '.' || (!typed && !withFolders)) {
            continue;
        }
        const EntryKind kind = KindOf(m_dir.get(), *entry);
        if (kind == EntryKind::File && typed) {
            entries.files.emplace_back(name);
        } else if (kind == EntryKind::Folder && withFolders) {
            entries.folders.emplace_back(name);
        }
    }
    if (errno != 0) {
        throw IoError(errno);
    }
    return entries;
}

FolderId SourceFolder::Id() const {
    struct stat status {};
    fstat(dirfd(m_dir.get()), &status);
    return {status.st_dev, status.st_ino};
}

bool HasFileType(std::string_view name, std::string_view type) {
    if (type.empty()) {
        return name.find('.') == std::string_view::npos;
    }
    return name.size() > type.size() && name[name.size() - type.size() - 1] == '.' &&
           EqualIgnoringCase(name.substr(name.size() - type.size()), type);
}

bool ListOrderLess(const std::string& a, const std::string& b) {
    return NameLess(a, b);
}

bool PathOrderLess(const std::string& a, const std::string& b) {
    std::string_view left = a;
    std::string_view right = b;
    for (;;) {
        const std::string_view leftPart = left.substr(0, left.find('/'));
        const std::string_view rightPart = right.substr(0, right.find('/'));
        if (leftPart != rightPart || leftPart.size() == left.size() ||
            rightPart.size() == right.size()) {
            return leftPart != rightPart ? NameLess(leftPart, rightPart)
                                         : left.size() < right.size();
        }
        left.remove_prefix(leftPart.size() + 1);
        right.remove_prefix(rightPart.size() + 1);
    }
}

} // namespace tolk
