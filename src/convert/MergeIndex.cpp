#include "convert/MergeIndex.h"

#include "core/Text.h"

#include <filesystem>
#include <iterator>
#include <system_error>

namespace tolk {

namespace fs = std::filesystem;

MergeIndex::MergeIndex(const std::string& folder)
    : m_root(folder), m_folders(std::make_unique<Folders>()) {}

MergeIndex::Folder MergeIndex::Read(const std::string& path) {
    Folder folder;
    std::error_code ec;
    for (fs::directory_iterator entry(path, ec), end; !ec && entry != end; entry.increment(ec)) {
        std::error_code statusError;
        const fs::file_status status = fs::status(entry->path(), statusError);
        if (statusError || !fs::exists(status) || fs::is_directory(status)) {
            continue;
        }
        const std::string name = entry->path().filename().string();
        folder.names.insert(name);
        folder.byUpper.emplace(AsciiUpper(name), name);
    }
    return folder;
}

const MergeIndex::Folder& MergeIndex::FolderAt(const std::string& relative) const {
    {
        const std::lock_guard lock(m_folders->mutex);
        const auto found = m_folders->read.find(relative);
        if (found != m_folders->read.end()) {
            return found->second;
        }
    }
    // Read outside the lock: two jobs may read the same folder at once, and the first read is
    // kept.
    Folder folder = Read(relative.empty() ? m_root : m_root + "/" + relative);
    const std::lock_guard lock(m_folders->mutex);
    return m_folders->read.emplace(relative, std::move(folder)).first->second;
}

std::optional<std::string> MergeIndex::Find(const std::string& name) const {
    if (!m_folders) {
        return std::nullopt;
    }
    const auto slash = name.rfind('/');
    const Folder& folder = FolderAt(slash == std::string::npos ? "" : name.substr(0, slash));
    const std::string prefix = slash == std::string::npos ? "" : name.substr(0, slash + 1);
    const std::string file = name.substr(prefix.size());
    if (folder.names.contains(file)) {
        return name;
    }
    const auto [first, last] = folder.byUpper.equal_range(AsciiUpper(file));
    if (first == last || std::next(first) != last) {
        return std::nullopt;
    }
    return prefix + first->second;
}

} // namespace tolk
