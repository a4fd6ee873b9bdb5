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

bool NameLess(const std::string& a, const std::string& b) {
    const auto [left, right] = std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                                             [](char x, char y) { return Folded(x) == Folded(y); });
    if (left == a.end() || right == b.end()) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    }
    return Folded(*left) < Folded(*right);
}

bool HasType(std::string_view name, std::string_view type) {
    if (type.empty()) {
        return name.find('.') == std::string_view::npos;
    }
    return name.size() > type.size() && name[name.size() - type.size() - 1] == '.' &&
           EqualIgnoringCase(name.substr(name.size() - type.size()), type);
}

// Most file systems give the entry's kind with its name; ask the system only for links and for
// entries whose kind is not given.
bool IsRegularFile(DIR* dir, const dirent& entry) {
    if (entry.d_type == DT_REG) {
        return true;
    }
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) {
        return false;
    }
    struct stat status;
    return fstatat(dirfd(dir), entry.d_name, &status, 0) == 0 && S_ISREG(status.st_mode);
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
    std::vector<std::string> names;
    rewinddir(m_dir.get());
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(m_dir.get());
        if (!entry) {
            break;
        }
        const std::string_view name = entry->d_name;
        if (name.front() != '.' && HasType(name, type) && IsRegularFile(m_dir.get(), *entry)) {
            names.emplace_back(name);
        }
    }
    if (errno != 0) {
        throw IoError(errno);
    }
    std::sort(names.begin(), names.end(), NameLess);
    return names;
}

} // namespace tolk
