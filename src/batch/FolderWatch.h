#pragma once

#include "convert/SourceTree.h"

#include <QFileSystemWatcher>
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
    /// That many files cannot be watched for changes made to them in place (the system's limit).
    void Unwatched(int files);
    /// The source folder is gone, or another folder stands in its place; the watch has ended.
    void Gone();

private:
    using Clock = std::chrono::steady_clock;
    struct Pending {
        FileState state;
        Clock::time_point quietSince;
    };

    std::vector<std::string> Track(const TreeWalk& walk, bool allNew);
    void WatchFiles(const std::vector<std::string>& names);
    void Changed(const std::string& name, const FileState& state);
    void Forget(const std::string& name);
    void ForgetFolder(const std::string& folder);
    void FolderChanged(const QString& path);
    void FileChanged(const QString& path);
    void RescanSoon(const std::string& folder);
    void RescanChanged();
    void Rescan(const std::string& folder);
    void SettleDue();
    void ScheduleSettle();
    std::vector<std::string> ToConvert(const std::vector<std::string>& settled) const;
    bool IsSource(const std::string& name) const;
    bool RootGone() const;
    std::string Relative(const QString& path) const;

    Setup m_setup;
    SourceTree m_tree;
    FolderId m_rootId;
    /// The folder the source folder is in: watched only to see the source folder go.
    QString m_parent;
    QFileSystemWatcher m_watcher;
    QTimer m_rescanTimer;
    QTimer m_settleTimer;
    /// The files accounted for: converted, or there unchanged from the start, in this state.
    std::map<std::string, FileState> m_known;
    /// The files that appeared or changed and have not settled yet.
    std::map<std::string, Pending> m_pending;
    std::set<std::string> m_folders;
    std::set<std::string> m_changedFolders;
    std::set<std::string> m_saidUnreadable;
};

} // namespace tolk
