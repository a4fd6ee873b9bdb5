#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <map>
#include <memory>
#include <string>

namespace tolk {

/// The system's notices (inotify) of what changes in some folders, one watch per folder: a
/// folder's watch sees its entries appear, go and be written to, so that no file needs a watch of
/// its own. Paths are kept as the bytes the file system holds, whatever their encoding. Notices
/// are read as soon as they come, on the thread the object lives in.
class FolderNotices : public QObject {
    Q_OBJECT

public:
    /// What a folder's watch is to see.
    enum class Seen {
        Everything, ///< entries that appear, go, are written to or change their attributes
        Names,      ///< only entries that appear or go (the folder above the watched tree)
    };

    FolderNotices();
    ~FolderNotices() override;
    FolderNotices(const FolderNotices&) = delete;
    FolderNotices& operator=(const FolderNotices&) = delete;

    enum class Watching {
        Yes,
        AtLimit, ///< the system's limit of watches keeps it from being watched
        No,      ///< it cannot be watched: gone, or no folder any more
    };

    /// Watches the folder. A folder watched already stays watched.
    Watching Watch(const std::string& folder, Seen seen = Seen::Everything);
    void Unwatch(const std::string& folder);
    void UnwatchAll();

signals:
    /// An entry of the folder appeared or went, or the folder itself went or moved.
    void FolderChanged(const std::string& folder);
    /// The entry `name` of the folder was written to or its attributes changed.
    void EntryChanged(const std::string& folder, const std::string& name);
    /// The system's queue of notices ran over: notices were lost, any watched folder may have
    /// changed.
    void Overflowed();

private:
    void Read();
    void Dispatch(int watch, std::uint32_t mask, const std::string& name);

    int m_fd;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::map<int, std::string> m_folderOf;
    std::map<std::string, int> m_watchOf;
};

} // namespace tolk
