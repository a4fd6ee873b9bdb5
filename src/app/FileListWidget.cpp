#include "app/FileListWidget.h"

#include <algorithm>

namespace tolk {
namespace {

// Whether a change of these roles can change a row's size; no roles means any may have changed.
bool MayResize(const QList<int>& roles) {
    static const QList<int> sizing = {Qt::DisplayRole, Qt::EditRole,     Qt::DecorationRole,
                                      Qt::FontRole,    Qt::SizeHintRole, Qt::CheckStateRole};
    return roles.isEmpty() ||
           std::any_of(roles.begin(), roles.end(), [](int role) { return sizing.contains(role); });
}

} // namespace

void FileListWidget::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                 const QList<int>& roles) {
    if (MayResize(roles)) {
        QListWidget::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    // Repaints the rows and tells assistive tools of the change, as the list would.
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

} // namespace tolk
