#include "convert/MergeIndex.h"

#include "core/Text.h"

#include <filesystem>
#include <iterator>
#include <system_error>

namespace tolk {

namespace fs = std::filesystem;

MergeIndex::MergeIndex(const std::string& folder)
    : m_root(folder), m_top(Read(folder)), m_below(std::make_unique<Below>()) {}

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

const MergeIndex::Folder& MergeIndex::FolderBelow(const std::string& relative) const {
    const std::lock_guard lock(m_below->mutex);
    const auto found = m_below->folders.find(relative);
    if (found != m_below->folders.end()) {
        return found->second;
    }
    return m_below->folders.emplace(relative, Read(m_root + "/" + relative)).first->second;
}

std::optional<std::string> MergeIndex::Find(const std::string& name) const {
    const auto slash = name.rfind('/');
    if (slash != std::string::npos && !m_below) {
        return std::nullopt;
    }
    const Folder& folder = slash == std::string::npos ? m_top : FolderBelow(name.substr(0, slash));
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
