#include "app/DropDownList.h"

#include "app/DesignPlacement.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWheelEvent>

namespace tolk {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
    QAbstractItemModel* items = model();
    connect(items, &QAbstractItemModel::rowsInserted, this, &DropDownList::FitItemsLater);
    connect(items, &QAbstractItemModel::dataChanged, this, &DropDownList::FitItemsLater);
    connect(items, &QAbstractItemModel::modelReset, this, &DropDownList::FitItemsLater);
}

void DropDownList::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

// Filling a list changes its items one by one; the fit waits until the filling is done.
void DropDownList::FitItemsLater() {
    if (!m_fitPending) {
        m_fitPending = true;
        QMetaObject::invokeMethod(this, &DropDownList::FitItems, Qt::QueuedConnection);
    }
}

void DropDownList::FitItems() {
    m_fitPending = false;
    const int room = TextRoom();
    // Measured before it is set: setting a font makes the list lay out all its items again.
    setFont(NarrowedFont(font(), [this, room](const QFont& font) {
        const QFontMetrics metrics(font);
        for (int index = 0; index < count(); ++index) {
            if (metrics.horizontalAdvance(itemText(index)) > room) {
                return false;
            }
        }
        return true;
    }));
}

// The style draws the current item one pixel in from each side of the edit field.
int DropDownList::TextRoom() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this)
               .width() -
           2;
}

} // namespace tolk
