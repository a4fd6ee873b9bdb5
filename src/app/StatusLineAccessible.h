#pragma once

#include <QAccessibleWidget>

class QLabel;

namespace tolk {

/// Presents a label that serves as a window's status line to assistive tools as a status bar
/// whose name is the label's current text, so that a screen reader finds and reads it as such.
class StatusLineAccessible : public QAccessibleWidget {
public:
    explicit StatusLineAccessible(QLabel* label);

    QString text(QAccessible::Text kind) const override;

    /// Marks the label as a status line; installs the accessibility factory on first use.
    static void MarkAsStatusLine(QLabel* label);
};

} // namespace tolk
