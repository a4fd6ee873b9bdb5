#pragma once

#include <QStyledItemDelegate>

namespace tolk {

/// Draws the items of a view as the style does, but every row at one fixed height.
class RowHeightDelegate : public QStyledItemDelegate {
public:
    RowHeightDelegate(int rowHeight, QObject* parent);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_rowHeight;
};

} // namespace tolk
