#pragma once

#include <QComboBox>

namespace tolk {

/// A drop-down list the user can only pick from, at its design size.
///
/// It takes the mouse wheel only while it has the keyboard focus, so that scrolling over the
/// window never changes a setting by accident, and the wheel does not give it the focus either.
/// Whenever its items change it narrows its font just enough to show the widest item whole
/// (see NarrowedFont), as a substitute font may be wider than the design's.
class DropDownList : public QComboBox {
    Q_OBJECT

public:
    explicit DropDownList(QWidget* parent);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void FitItemsLater();
    void FitItems();
    int TextRoom() const;

    bool m_fitPending = false;
};

} // namespace tolk
