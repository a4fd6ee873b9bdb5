#pragma once

#include "batch/FolderNotices.h"
#include "convert/SourceTree.h"

#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tolk {

/// What tells one version of a file from the next: writing to it, replacing it or moving another
/// file into its place changes at least one of these.
struct FileState {
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileState&) const = default;
};

/// Watches a source folder (and, when asked, the folders below it) through the system's notices
/// of changes, and tells of each file of the source or merge type that appeared or changed once
/// it has stayed unchanged for the settle time, so that a file still being written is not read.
/// Whenever a folder is looked through again, each file's state is compared with the one last
/// accounted for, so a file replaced or rewritten is seen whatever notice told of it. A folder
/// the system's limit of watches keeps from being watched is looked through every little while.
class FolderWatch : public QObject {
    Q_OBJECT

public:
    struct Setup {
        std::string root;
        std::string sourceType;
        std::string mergeType; ///< empty: none
        bool subfolders = false;
        std::string skipped; ///< a folder never watched (the target folder)
        std::chrono::milliseconds settle{2000};
        /// Whether a file (a name relative to the source folder) is this watch's to tell of.
        std::function<bool(const std::string&)> wanted;
    };

    /// How often a folder the system's limit of watches keeps from being watched is read again.
    static constexpr std::chrono::seconds LookAgainEvery{2};

    explicit FolderWatch(Setup setup);

    /// Starts watching. Returns the files of the source type there now, in path order, but for
    /// those changed within the settle time: they are told of once settled. Throws IoError when
    /// the source folder cannot be read.
    std::vector<std::string> Start();

signals:
    /// Files of the source type to convert, in path order: those that settled and those whose
    /// merge file settled.
    void Settled(const std::vector<std::string>& names);
    /// Folders below the source folder that cannot be read, each with why.
    void Unreadable(const std::vector<std::pair<std::string, std::string>>& folders);
    /// The system's limit of watches keeps folders from being watched; told once.
    void WatchLimitReached();
    /// The source folder is gone, or another folder stands in its place; the watch has ended.
    void Gone();

private:
    using Clock = std::chrono::steady_clock;
    struct Pending {
        FileState state;
        Clock::time_point quietSince;
    };

    std::vector<std::string> Track(const TreeWalk& walk, bool allNew);
    void WatchFolder(const std::string& folder);
    void LookAgain();
    void Changed(const std::string& name, const FileState& state);
    void Seen(const std::string& name, const FileState& state);
    void Forget(const std::string& name);
    void ForgetFolder(const std::string& folder);
    void FolderChanged(const std::string& path);
    void EntryChanged(const std::string& folder, const std::string& entry);
    void RescanAll();
    void RescanSoon(const std::string& folder);
    void RescanChanged();
    void Rescan(const std::string& folder);
    void SettleDue();
    void ScheduleSettle();
    std::vector<std::string> ToConvert(const std::vector<std::string>& settled) const;
    bool IsSource(const std::string& name) const;
    bool IsWatchedType(const std::string& name) const;
    bool RootGone() const;
    std::string Relative(const std::string& path) const;

    Setup m_setup;
    SourceTree m_tree;
    FolderId m_rootId;
    /// The folder the source folder is in: watched only to see the source folder go.
    std::string m_parent;
    FolderNotices m_notices;
    QTimer m_rescanTimer;
    QTimer m_settleTimer;
    /// Looks through the folders that could not be watched.
    QTimer m_lookAgainTimer;
    /// The files accounted for: converted, or there unchanged from the start, in this state.
    std::map<std::string, FileState> m_known;
    /// The files that appeared or changed and have not settled yet.
    std::map<std::string, Pending> m_pending;
    std::set<std::string> m_folders;
    /// The folders the system's limit keeps from being watched.
    std::set<std::string> m_unwatched;
    bool m_saidLimit = false;
    std::set<std::string> m_changedFolders;
    std::set<std::string> m_saidUnreadable;
};

} // namespace tolk
