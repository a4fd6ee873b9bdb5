#include "app/Tmainfrm.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tolk {

void Tmainfrm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Guarded([this] { FormResize(); });
}

void Tmainfrm::FormResize() {
    ArrangeControls();
}

void Tmainfrm::ArrangeControls() {}

void Tmainfrm::ApplyTargetAsSource() {
    ConversionSettings& settings = m_records.Settings;
    settings.TargAsSrc = cbtargassrc->isChecked();
    browsetarget->setVisible(!settings.TargAsSrc);
    if (settings.TargAsSrc) {
        settings.TargetFldr = settings.SourceFldr;
        ebtarget->setText(QString::fromStdString(settings.TargetFldr));
    }
}

WindowBounds Tmainfrm::OuterBounds() const {
    const QRect frame = frameGeometry();
    return {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
}

void Tmainfrm::SetOuterBounds(const WindowBounds& bounds) {
    const QSize frameExtra = frameGeometry().size() - geometry().size();
    move(bounds.Left, bounds.Top);
    resize(bounds.Right - bounds.Left - frameExtra.width(),
           bounds.Bottom - bounds.Top - frameExtra.height());
}

} // namespace tolk
