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
inline QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& caption, int left,
                          int top, int width, int height) {
    auto* label = Place(new QLabel(caption, parent), name, left, top, width, height);
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

/// The font narrowed, by its stretch down to 80 per cent, just until `fits(font)` holds: a
/// substitute font a little wider than the design's then still shows a text whole in its design
/// place. Ends at 80 per cent when nothing fits. The font at its own width when it fits.
template <class Fits>
QFont NarrowedFont(QFont font, Fits fits) {
    if (font.stretch() != QFont::AnyStretch) {
        font.setStretch(QFont::Unstretched); // narrowed before, for a text that is gone now
    }
    if (fits(font)) {
        return font;
    }
    // Each stretch tried makes a font of its own, which costs the window's start: the widest that
    // fits is found by halving the range (narrower never fits worse) rather than trying each.
    int fitting = 80;
    int tooWide = 100;
    while (tooWide - fitting > 1) {
        const int middle = (fitting + tooWide) / 2;
        font.setStretch(middle);
        (fits(font) ? fitting : tooWide) = middle;
    }
    font.setStretch(fitting);
    return font;
}

/// Narrows the widget's font as NarrowedFont does, for a fit only the widget itself can tell
/// (`fits()`, asked with each narrower font in place).
template <class Fits>
void NarrowFontUntil(QWidget* widget, Fits fits) {
    widget->setFont(NarrowedFont(widget->font(), [widget, fits](const QFont& font) {
        widget->setFont(font);
        return fits();
    }));
}

/// A one-line label whose text never changes, fitted into its design width; where even the
/// narrowest font does not fit, the label grows to show its whole text.
inline void FitLineToDesignWidth(QLabel* label) {
    const int width = label->width();
    NarrowFontUntil(label, [label, width] { return label->sizeHint().width() <= width; });
    label->resize(label->size().expandedTo(label->sizeHint()));
}

/// A word-wrapped label fitted into its design height, so that no line falls off its end.
inline void FitLinesToDesignHeight(QLabel* label) {
    NarrowFontUntil(label,
                    [label] { return label->heightForWidth(label->width()) <= label->height(); });
}

/// Names a control that has no caption of its own after the label beside it, and links the
/// label to it, so that assistive tools speak the label for it.
inline void NameByLabel(QLabel* label, QWidget* control) {
    control->setAccessibleName(label->text());
    label->setBuddy(control);
}

} // namespace tolk
