#include "batch/FolderNotices.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

namespace tolk {
namespace {

constexpr std::uint32_t NameChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
constexpr std::uint32_t SelfChanges = IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT | IN_IGNORED;
// A file written in place tells its folder IN_MODIFY while written and IN_CLOSE_WRITE once done;
// touch and chmod tell IN_ATTRIB.
constexpr std::uint32_t EntryChanges = IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB;

} // namespace

FolderNotices::FolderNotices() : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (m_fd < 0) {
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &FolderNotices::Read);
}

FolderNotices::~FolderNotices() {
    m_notifier.reset();
    if (m_fd >= 0) {
        close(m_fd);
    }
}

FolderNotices::Watching FolderNotices::Watch(const std::string& folder, Seen seen) {
    if (m_fd < 0) {
        // No notices at all: the limit of instances, which looking again makes up for as well.
        return Watching::AtLimit;
    }
    const std::uint32_t mask = IN_ONLYDIR | NameChanges | IN_DELETE_SELF | IN_MOVE_SELF |
                               (seen == Seen::Everything ? EntryChanges : 0);
    const int watch = inotify_add_watch(m_fd, folder.c_str(), mask);
    if (watch < 0) {
        return errno == ENOSPC ? Watching::AtLimit : Watching::No;
    }
    m_folderOf[watch] = folder;
    m_watchOf[folder] = watch;
    return Watching::Yes;
}

void FolderNotices::Unwatch(const std::string& folder) {
    const auto found = m_watchOf.find(folder);
    if (found == m_watchOf.end()) {
        return;
    }
    const int watch = found->second;
    // A folder moved is the same watch under its new name, which may be watched already.
    const auto owner = m_folderOf.find(watch);
    if (owner != m_folderOf.end() && owner->second == folder) {
        inotify_rm_watch(m_fd, watch);
        m_folderOf.erase(owner);
    }
    // Last, as `folder` may be this entry's own key.
    m_watchOf.erase(found);
}

void FolderNotices::UnwatchAll() {
    while (!m_watchOf.empty()) {
        Unwatch(m_watchOf.begin()->first);
    }
}

void FolderNotices::Read() {
    alignas(inotify_event) std::array<char, 64 * 1024> buffer{};
    while (true) {
        const ssize_t length = read(m_fd, buffer.data(), buffer.size());
        if (length <= 0) {
            return;
        }
        for (ssize_t at = 0; at < length;) {
            inotify_event event{};
            std::memcpy(&event, buffer.data() + at, sizeof event);
            const char* name = buffer.data() + at + sizeof event;
            Dispatch(event.wd, event.mask, event.len > 0 ? std::string(name) : std::string());
            at += static_cast<ssize_t>(sizeof event + event.len);
        }
    }
}

void FolderNotices::Dispatch(int watch, std::uint32_t mask, const std::string& name) {
    if ((mask & IN_Q_OVERFLOW) != 0) {
        emit Overflowed();
        return;
    }
    const auto found = m_folderOf.find(watch);
    if (found == m_folderOf.end()) {
        return;
    }
    const std::string folder = found->second;
    if ((mask & IN_IGNORED) != 0) {
        // The watch ended by itself (the folder went): it is gone from the system too.
        std::erase_if(m_watchOf, [watch](const auto& entry) { return entry.second == watch; });
        m_folderOf.erase(found);
    }
    if ((mask & (NameChanges | SelfChanges)) != 0) {
        emit FolderChanged(folder);
    } else if ((mask & EntryChanges) != 0 && !name.empty()) {
        emit EntryChanged(folder, name);
    }
}

} // namespace tolk
