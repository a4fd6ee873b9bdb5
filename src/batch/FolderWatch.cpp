#include "batch/FolderWatch.h"

#include "convert/BaseName.h"
#include "core/PathAsFound.h"
#include "core/TolkError.h"

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
    connect(&m_notices, &FolderNotices::FolderChanged, this, &FolderWatch::FolderChanged);
    connect(&m_notices, &FolderNotices::EntryChanged, this, &FolderWatch::EntryChanged);
    connect(&m_notices, &FolderNotices::Overflowed, this, &FolderWatch::RescanAll);
    m_rescanTimer.setSingleShot(true);
    m_rescanTimer.setInterval(RescanDelay);
    connect(&m_rescanTimer, &QTimer::timeout, this, &FolderWatch::RescanChanged);
    m_settleTimer.setSingleShot(true);
    connect(&m_settleTimer, &QTimer::timeout, this, &FolderWatch::SettleDue);
    m_lookAgainTimer.setInterval(LookAgainEvery);
    connect(&m_lookAgainTimer, &QTimer::timeout, this, &FolderWatch::LookAgain);
}

std::vector<std::string> FolderWatch::Start() {
    const TreeWalk walk = m_tree.Walk("");
    struct stat status {};
    stat(m_setup.root.c_str(), &status);
    m_rootId = {status.st_dev, status.st_ino};
    // A folder renamed away tells its own watch nothing; the folder it was in sees it go.
    const std::string parent = std::filesystem::path(m_setup.root).parent_path().string();
    if (parent != m_setup.root) {
        m_parent = parent;
        m_notices.Watch(m_parent, FolderNotices::Seen::Names);
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
    for (const std::string& folder : walk.folders) {
        m_folders.insert(folder);
        WatchFolder(folder);
    }
    std::vector<std::string> ready;
    for (const std::string& name : walk.files) {
        const std::optional<FileState> state =
            m_setup.wanted(name) ? StateOf(m_tree.PathOf(name)) : std::nullopt;
        if (!state) {
            continue;
        }
        if (allNew || WrittenWithin(*state, m_setup.settle)) {
            Changed(name, *state);
        } else {
            m_known[name] = *state;
            if (IsSource(name)) {
                ready.push_back(name);
            }
        }
    }
    ScheduleSettle();
    return ready;
}

void FolderWatch::WatchFolder(const std::string& folder) {
    const FolderNotices::Watching watching = m_notices.Watch(m_tree.PathOf(folder));
    if (watching != FolderNotices::Watching::AtLimit) {
        // A folder that cannot be watched for any other reason is gone: its parent's notice
        // has the folder forgotten.
        m_unwatched.erase(folder);
        return;
    }
    m_unwatched.insert(folder);
    if (!m_lookAgainTimer.isActive()) {
        m_lookAgainTimer.start();
    }
    if (!m_saidLimit) {
        m_saidLimit = true;
        emit WatchLimitReached();
    }
}

// The folders not watched are read again, and watched where the limit now allows it.
void FolderWatch::LookAgain() {
    const std::set<std::string> unwatched = m_unwatched;
    for (const std::string& folder : unwatched) {
        WatchFolder(folder);
        RescanSoon(folder);
    }
    if (m_unwatched.empty()) {
        m_lookAgainTimer.stop();
    }
}

void FolderWatch::Changed(const std::string& name, const FileState& state) {
    const auto pending = m_pending.find(name);
    if (pending != m_pending.end() && pending->second.state == state) {
        return;
    }
    m_pending[name] = {state, Clock::now()};
}

// A file as it is now: pending again when it is not as last accounted for.
void FolderWatch::Seen(const std::string& name, const FileState& state) {
    const auto known = m_known.find(name);
    if (m_pending.contains(name) || known == m_known.end() || known->second != state) {
        Changed(name, state);
    }
}

void FolderWatch::Forget(const std::string& name) {
    m_known.erase(name);
    m_pending.erase(name);
}

void FolderWatch::ForgetFolder(const std::string& folder) {
    const auto below = [&](const auto& entry) { return IsBelow(entry.first, folder); };
    std::erase_if(m_known, below);
    std::erase_if(m_pending, below);
    const auto gone = [&](const std::string& watched) {
        return watched == folder || IsBelow(watched, folder);
    };
    for (const std::string& watched : m_folders) {
        if (gone(watched)) {
            m_notices.Unwatch(m_tree.PathOf(watched));
        }
    }
    std::erase_if(m_folders, gone);
    std::erase_if(m_unwatched, gone);
    m_tree.Forget(folder);
}

void FolderWatch::FolderChanged(const std::string& path) {
    RescanSoon(path == m_parent ? RootCheck : Relative(path));
}

void FolderWatch::EntryChanged(const std::string& folder, const std::string& entry) {
    const std::string name = JoinedName(Relative(folder), entry);
    if (!IsWatchedType(name) || !m_setup.wanted(name)) {
        return;
    }
    const std::optional<FileState> state = StateOf(m_tree.PathOf(name));
    if (!state) {
        RescanSoon(FolderOf(name));
        return;
    }
    Seen(name, *state);
    ScheduleSettle();
}

// Notices were lost: every folder is read again, and its files' states compared.
void FolderWatch::RescanAll() {
    RescanSoon(RootCheck);
    for (const std::string& folder : m_folders) {
        RescanSoon(folder);
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
        m_notices.UnwatchAll();
        m_settleTimer.stop();
        m_lookAgainTimer.stop();
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
    for (const std::string& file : entries.files) {
        const std::string name = JoinedName(folder, file);
        present.insert(name);
        if (!m_setup.wanted(name)) {
            continue;
        }
        if (const std::optional<FileState> state = StateOf(m_tree.PathOf(name))) {
            Seen(name, *state);
        }
    }
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

bool FolderWatch::IsWatchedType(const std::string& name) const {
    const std::string file = name.substr(name.rfind('/') + 1);
    return std::ranges::any_of(
        TypesOf(m_setup), [&file](const std::string& type) { return HasFileType(file, type); });
}

bool FolderWatch::RootGone() const {
    struct stat status {};
    return stat(m_setup.root.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) ||
           FolderId{status.st_dev, status.st_ino} != m_rootId;
}

std::string FolderWatch::Relative(const std::string& path) const {
    return path.size() > m_setup.root.size() ? path.substr(m_setup.root.size() + 1) : "";
}

} // namespace tolk
