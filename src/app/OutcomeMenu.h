#pragma once

#include "core/Messenger.h"

#include <QMenu>
#include <QUrl>
#include <functional>

namespace tolk {

/// Opens a folder or a file with what the desktop uses for it (QDesktopServices::openUrl, or a
/// test's stand-in); false when nothing opened it.
using DesktopOpener = std::function<bool(const QUrl&)>;

/// What the context menu of the file list or the status line acts on.
struct OutcomeMenuSubject {
    /// The file's reason, or the status line's; empty when there is none.
    QString reason;
    QString targetFolder;
    QString logFile;
};

/// The context menu of the file list and the status line: "Show Reason" (the whole reason in a
/// box that scrolls), "Open Target Folder", "Open Conversion Log" (both by the desktop) and
/// "Copy Reason". An action with nothing to act on is disabled. The menu deletes itself once
/// closed.
class OutcomeMenu : public QMenu {
    Q_OBJECT

public:
    OutcomeMenu(QWidget* parent, OutcomeMenuSubject subject, DesktopOpener open,
                Messenger& messenger);

private:
    void ShowReason();
    void Open(const QString& path);

    OutcomeMenuSubject m_subject;
    DesktopOpener m_open;
    Messenger& m_messenger;
};

} // namespace tolk
