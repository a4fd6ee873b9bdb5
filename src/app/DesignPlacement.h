#pragma once

#include <QFont>
#include <QLabel>
#include <QString>

namespace tolk {

/// Gives a control its component name and puts it at its design place in the parent's client
/// area.
template <class Widget>
Widget* Place(Widget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

/// A label with its design caption, its text at the top left of its design place.
inline QLabel* PlaceLabel(QWidget* parent, const char* name, const char* caption, int left, int top,
                          int width, int height) {
    auto* label =
        Place(new QLabel(QString::fromUtf8(caption), parent), name, left, top, width, height);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

/// The design font, "MS Sans Serif" at a character height in pixels; the system's fallback
/// serves where that family is missing.
inline QFont DesignFont(int pixelSize) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    return font;
}

/// Names a control that has no caption of its own after the label beside it, and links the
/// label to it, so that assistive tools speak the label for it.
inline void NameByLabel(QLabel* label, QWidget* control) {
    control->setAccessibleName(label->text());
    label->setBuddy(control);
}

} // namespace tolk
