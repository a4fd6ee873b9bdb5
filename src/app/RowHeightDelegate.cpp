#include "app/RowHeightDelegate.h"

namespace tolk {

RowHeightDelegate::RowHeightDelegate(int rowHeight, QObject* parent)
    : QStyledItemDelegate(parent), m_rowHeight(rowHeight) {}

QSize RowHeightDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), m_rowHeight};
}

} // namespace tolk
