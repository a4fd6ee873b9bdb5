#pragma once

#include <QListWidget>

namespace tolk {

/// The source file list's widget: Qt's list, except that a change to a row that cannot change
/// its size (a file's mark, reason or tool tip) repaints that row without laying out every row
/// again, which Qt's list does after any change. Over a long list, with a mark for each finished
/// file, those layouts took most of the window's time during a run.
class FileListWidget : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles) override;
};

} // namespace tolk
