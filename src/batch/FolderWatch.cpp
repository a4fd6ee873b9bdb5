#include "batch/FolderWatch.h"

#include "convert/BaseName.h"
#include "core/PathAsFound.h"
#include "core/TolkError.h"

#include <QFile>
#include <QSet>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <sys/stat.h>

namespace tolk {
namespace {

// Notices come one per change; a folder being filled is read again at most this often.
constexpr std::chrono::milliseconds RescanDelay(100);

// Among the folders to read again: the folder above the source folder changed, which asks only
// whether the source folder is still there. No name below the source folder starts with "/".
const std::string RootCheck = "/";

std::int64_t Nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

std::optional<FileState> StateOf(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    return FileState{status.st_size, Nanoseconds(status.st_mtim), Nanoseconds(status.st_ctim),
                     status.st_ino};
}

// A file written so recently that it may still be written to. (A copy that keeps the original's
// time sets it only once the copy is whole.)
bool WrittenWithin(const FileState& state, std::chrono::milliseconds span) {
    const std::int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
    return state.modifiedNs >
           now - std::chrono::duration_cast<std::chrono::nanoseconds>(span).count();
}

QString ToQt(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Qt holds paths as text: a name that is not in the system's encoding cannot be watched by name.
bool Watchable(const std::string& path) {
    return QFile::encodeName(ToQt(path)).toStdString() == path;
}

std::string FolderOf(const std::string& name) {
    const auto slash = name.rfind('/');
    return slash == std::string::npos ? std::string() : name.substr(0, slash);
}

bool IsBelow(const std::string& name, const std::string& folder) {
    return folder.empty() || name.starts_with(folder + "/");
}

std::vector<std::string> TypesOf(const FolderWatch::Setup& setup) {
    std::vector<std::string> types{setup.sourceType};
    if (!setup.mergeType.empty()) {
        types.push_back(setup.mergeType);
    }
    return types;
}

} // namespace

FolderWatch::FolderWatch(Setup setup)
    : m_setup(std::move(setup)),
      m_tree(m_setup.root, TypesOf(m_setup), m_setup.subfolders, m_setup.skipped) {
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderWatch::FolderChanged);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FolderWatch::FileChanged);
    m_rescanTimer.setSingleShot(true);
    m_rescanTimer.setInterval(RescanDelay);
    connect(&m_rescanTimer, &QTimer::timeout, this, &FolderWatch::RescanChanged);
    m_settleTimer.setSingleShot(true);
    connect(&m_settleTimer, &QTimer::timeout, this, &FolderWatch::SettleDue);
}

std::vector<std::string> FolderWatch::Start() {
    const TreeWalk walk = m_tree.Walk("");
    struct stat status {};
    stat(m_setup.root.c_str(), &status);
    m_rootId = {status.st_dev, status.st_ino};
    // A folder renamed away tells its own watch nothing; the folder it was in sees it go.
    const std::string parent = std::filesystem::path(m_setup.root).parent_path().string();
    if (parent != m_setup.root) {
        m_parent = ToQt(parent);
        m_watcher.addPath(m_parent);
    }
    return Track(walk, false);
}

// Watches what the walk found. The files that changed lately, or all with allNew, are pending;
// the others are accounted for, and those of the source type returned.
std::vector<std::string> FolderWatch::Track(const TreeWalk& walk, bool allNew) {
    // A folder that cannot be read is tried again whenever the folder above it changes, but
    // said only once.
    std::vector<std::pair<std::string, std::string>> unreadable;
    for (const auto& folder : walk.unreadable) {
        if (m_saidUnreadable.insert(folder.first).second) {
            unreadable.push_back(folder);
        }
    }
    if (!unreadable.empty()) {
        emit Unreadable(unreadable);
    }
    QStringList folders;
    for (const std::string& folder : walk.folders) {
        m_folders.insert(folder);
        folders << ToQt(m_tree.PathOf(folder));
    }
    if (!folders.isEmpty()) {
        m_watcher.addPaths(folders);
    }
    std::vector<std::string> watched;
    std::vector<std::string> ready;
    for (const std::string& name : walk.files) {
        const std::optional<FileState> state =
            m_setup.wanted(name) ? StateOf(m_tree.PathOf(name)) : std::nullopt;
        if (!state) {
            continue;
        }
        watched.push_back(name);
        if (allNew || WrittenWithin(*state, m_setup.settle)) {
            Changed(name, *state);
        } else {
            m_known[name] = *state;
            if (IsSource(name)) {
                ready.push_back(name);
            }
        }
    }
    WatchFiles(watched);
    ScheduleSettle();
    return ready;
}

void FolderWatch::WatchFiles(const std::vector<std::string>& names) {
    QStringList paths;
    for (const std::string& name : names) {
        if (Watchable(m_tree.PathOf(name))) {
            paths << ToQt(m_tree.PathOf(name));
        }
    }
    if (paths.isEmpty()) {
        return;
    }
    const QStringList refused = m_watcher.addPaths(paths);
    if (refused.isEmpty()) {
        return;
    }
    // A path watched already is refused too; only the others count as left unwatched.
    const QStringList files = m_watcher.files();
    const QSet<QString> watched(files.begin(), files.end());
    const auto unwatched = std::ranges::count_if(
        refused, [&watched](const QString& path) { return !watched.contains(path); });
    if (unwatched > 0) {
        emit Unwatched(static_cast<int>(unwatched));
    }
}

void FolderWatch::Changed(const std::string& name, const FileState& state) {
    const auto pending = m_pending.find(name);
    if (pending != m_pending.end() && pending->second.state == state) {
        return;
    }
    m_pending[name] = {state, Clock::now()};
}

void FolderWatch::Forget(const std::string& name) {
    m_known.erase(name);
    m_pending.erase(name);
    m_watcher.removePath(ToQt(m_tree.PathOf(name)));
}

void FolderWatch::ForgetFolder(const std::string& folder) {
    QStringList paths;
    const auto below = [&](const auto& entry) {
        const bool gone = IsBelow(entry.first, folder);
        if (gone) {
            paths << ToQt(m_tree.PathOf(entry.first));
        }
        return gone;
    };
    std::erase_if(m_known, below);
    std::erase_if(m_pending, below);
    std::erase_if(m_folders, [&](const std::string& watched) {
        const bool gone = watched == folder || IsBelow(watched, folder);
        if (gone) {
            paths << ToQt(m_tree.PathOf(watched));
        }
        return gone;
    });
    if (!paths.isEmpty()) {
        m_watcher.removePaths(paths);
    }
    m_tree.Forget(folder);
}

void FolderWatch::FolderChanged(const QString& path) {
    RescanSoon(path == m_parent ? RootCheck : Relative(path));
}

void FolderWatch::FileChanged(const QString& path) {
    const std::string name = Relative(path);
    const std::optional<FileState> state = StateOf(m_tree.PathOf(name));
    if (!state) {
        Forget(name);
        RescanSoon(FolderOf(name));
        return;
    }
    // A file replaced by another ends its watch; the new one is watched from now on.
    m_watcher.addPath(path);
    const auto known = m_known.find(name);
    if (m_pending.contains(name) || known == m_known.end() || known->second != *state) {
        Changed(name, *state);
        ScheduleSettle();
    }
}

void FolderWatch::RescanSoon(const std::string& folder) {
    m_changedFolders.insert(folder);
    if (!m_rescanTimer.isActive()) {
        m_rescanTimer.start();
    }
}

void FolderWatch::RescanChanged() {
    std::set<std::string> changed = std::move(m_changedFolders);
    m_changedFolders.clear();
    if ((changed.contains("") || changed.erase(RootCheck) > 0) && RootGone()) {
        m_watcher.removePaths(m_watcher.files() + m_watcher.directories());
        m_settleTimer.stop();
        emit Gone();
        return;
    }
    // The folders gone first, so that a folder moved within the tree is walked under its new name.
    for (const std::string& folder : changed) {
        std::error_code error;
        if (!folder.empty() && !std::filesystem::is_directory(m_tree.PathOf(folder), error)) {
            ForgetFolder(folder);
        }
    }
    for (const std::string& folder : changed) {
        if (m_folders.contains(folder)) {
            Rescan(folder);
        }
    }
    ScheduleSettle();
}

void FolderWatch::Rescan(const std::string& folder) {
    FolderEntries entries;
    try {
        SourceFolder entered(m_tree.PathOf(folder));
        entries = entered.Entries(TypesOf(m_setup));
    } catch (const IoError&) {
        ForgetFolder(folder);
        return;
    }
    std::set<std::string> present;
    std::vector<std::string> appeared;
    for (const std::string& file : entries.files) {
        const std::string name = JoinedName(folder, file);
        present.insert(name);
        if (m_known.contains(name) || m_pending.contains(name) || !m_setup.wanted(name)) {
            continue;
        }
        if (const std::optional<FileState> state = StateOf(m_tree.PathOf(name))) {
            appeared.push_back(name);
            Changed(name, *state);
        }
    }
    WatchFiles(appeared);
    std::vector<std::string> vanished;
    const auto collectVanished = [&](const auto& files) {
        for (const auto& entry : files) {
            if (FolderOf(entry.first) == folder && !present.contains(entry.first)) {
                vanished.push_back(entry.first);
            }
        }
    };
    collectVanished(m_known);
    collectVanished(m_pending);
    for (const std::string& name : vanished) {
        Forget(name);
    }
    if (!m_setup.subfolders) {
        return;
    }
    for (const std::string& subfolder : entries.folders) {
        const std::string name = JoinedName(folder, subfolder);
        if (!m_folders.contains(name)) {
            Track(m_tree.Walk(name), true);
        }
    }
}

void FolderWatch::SettleDue() {
    const Clock::time_point now = Clock::now();
    std::vector<std::string> settled;
    for (auto entry = m_pending.begin(); entry != m_pending.end();) {
        auto& [name, pending] = *entry;
        if (pending.quietSince + m_setup.settle > now) {
            ++entry;
            continue;
        }
        const std::optional<FileState> state = StateOf(m_tree.PathOf(name));
        if (state && *state != pending.state) {
            pending = {*state, now};
            ++entry;
            continue;
        }
        if (state) {
            m_known[name] = *state;
            settled.push_back(name);
        }
        entry = m_pending.erase(entry);
    }
    ScheduleSettle();
    const std::vector<std::string> names = ToConvert(settled);
    if (!names.empty()) {
        emit Settled(names);
    }
}

void FolderWatch::ScheduleSettle() {
    if (m_pending.empty()) {
        m_settleTimer.stop();
        return;
    }
    const auto earliest = std::ranges::min_element(m_pending, {}, [](const auto& entry) {
                              return entry.second.quietSince;
                          })->second.quietSince;
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(
        earliest + m_setup.settle - Clock::now());
    m_settleTimer.start(
        std::max(std::chrono::milliseconds(0), wait + std::chrono::milliseconds(1)));
}

// The settled files of the source type, and the files of the source type beside settled merge
// files, that are accounted for and not pending; in path order.
std::vector<std::string> FolderWatch::ToConvert(const std::vector<std::string>& settled) const {
    std::set<std::string, decltype(&PathOrderLess)> names(&PathOrderLess);
    for (const std::string& name : settled) {
        if (IsSource(name)) {
            names.insert(name);
            continue;
        }
        const std::string built = BaseName(name) + "." + m_setup.sourceType;
        const std::string found =
            std::filesystem::path(PathAsFound(m_tree.PathOf(built))).filename().string();
        const std::string source = JoinedName(FolderOf(name), found);
        if (m_known.contains(source) && !m_pending.contains(source)) {
            names.insert(source);
        }
    }
    return {names.begin(), names.end()};
}

bool FolderWatch::IsSource(const std::string& name) const {
    return HasFileType(name.substr(name.rfind('/') + 1), m_setup.sourceType);
}

bool FolderWatch::RootGone() const {
    struct stat status {};
    return stat(m_setup.root.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) ||
           FolderId{status.st_dev, status.st_ino} != m_rootId;
}

std::string FolderWatch::Relative(const QString& path) const {
    const std::string full = QFile::encodeName(path).toStdString();
    return full.size() > m_setup.root.size() ? full.substr(m_setup.root.size() + 1) : "";
}

} // namespace tolk
