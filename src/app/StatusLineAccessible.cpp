#include "app/StatusLineAccessible.h"

#include <QLabel>

namespace tolk {
namespace {

const char* const StatusLineProperty = "tolkStatusLine";

QAccessibleInterface* CreateForStatusLine(const QString& /*className*/, QObject* object) {
    auto* label = qobject_cast<QLabel*>(object);
    if (label == nullptr || !label->property(StatusLineProperty).toBool()) {
        return nullptr;
    }
    return new StatusLineAccessible(label);
}

} // namespace

StatusLineAccessible::StatusLineAccessible(QLabel* label)
    : QAccessibleWidget(label, QAccessible::StatusBar) {}

QString StatusLineAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        return static_cast<const QLabel*>(widget())->text();
    }
    return QAccessibleWidget::text(kind);
}

void StatusLineAccessible::MarkAsStatusLine(QLabel* label) {
    // Qt's own factory would present the label as static text; ours is asked first.
    static const bool installed = (QAccessible::installFactory(CreateForStatusLine), true);
    Q_UNUSED(installed);
    label->setProperty(StatusLineProperty, true);
    // A label announces its text while it is being built, which may already have made it the
    // static-text interface; drop that one so that the next query makes ours.
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(label)));
}

} // namespace tolk
