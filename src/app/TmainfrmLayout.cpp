// The window's minimum size, the controls that follow its edges, its outer rectangle, and the
// "Same as Source folder" rule.
#include "app/Tmainfrm.h"

#include <QCheckBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace tolk {
namespace {

constexpr int MinOuterHeight = 400;
constexpr int MinOuterWidth = 440;

std::vector<WindowBounds> AvailableScreenAreas() {
    std::vector<WindowBounds> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.push_back(BoundsOf(screen->availableGeometry()));
    }
    return areas;
}

} // namespace

void Tmainfrm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Guarded([this] {
        // A size change made to meet pending bounds has run the rule already, nested.
        if (!FollowFrame()) {
            FormResize();
        }
    });
}

void Tmainfrm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    Guarded([this] { FollowFrame(); });
}

// The frame turns up with a move (a window manager frames the window) or, under Wayland, just
// after the window is shown, with no move to follow.
bool Tmainfrm::FollowFrame() {
    DeclareMinimumSize();
    return m_placement.MeetPending();
}

bool Tmainfrm::event(QEvent* event) {
    // A label whose text changed asks its parent for a new layout. The window has none, so it
    // sizes its labels to their texts here, as they keep the place they were designed at.
    // Texts set while the window was hidden raise no request: showing it catches up.
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show) {
        FitLabelsToText();
    }
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::PaletteChange) {
        ColourNotice();
    }
    return handled;
}

void Tmainfrm::FormResize() {
    ArrangeControls();
}

// Each run takes one branch. Qt sends the resize event of a visible window from within
// resize() itself, before resize() returns, so a correction in the first two branches runs
// this rule again, nested, on the corrected size: a window too low and too narrow is raised
// by the outer run, widened by the nested one, and re-anchored by the innermost, after which
// the outer runs end without touching anything. The window system confirms the size later;
// only if it settles on another size does that raise a further, separate run.
void Tmainfrm::ArrangeControls() {
    const QSize frame = m_placement.FrameExtent();
    if (frameGeometry().height() < MinOuterHeight) {
        resize(width(), MinOuterHeight - frame.height());
        return;
    }
    if (frameGeometry().width() < MinOuterWidth) {
        resize(MinOuterWidth - frame.width(), height());
        return;
    }
    FileListBox1->resize(width() - FileListBox1->x() - 10, FileListBox1->height());
    FileListBox1->resize(FileListBox1->width(), height() - FileListBox1->y() - 10);
    BitBtn1->move(width() - BitBtn1->width() - 16, BitBtn1->y());
    convone->move(convone->x(), height() - convone->height() - 15);
    skipbtn->move(skipbtn->x(), height() - skipbtn->height() - 15);
    convall->move(convall->x(), height() - convall->height() - 10);
}

// Only these two labels change their texts; the others were fitted into their design places
// once, and the status line has a fixed size.
void Tmainfrm::FitLabelsToText() {
    for (QLabel* label : {connectlbl, filelistlbl}) {
        label->resize(label->sizeHint());
    }
}

void Tmainfrm::ApplyTargetAsSource() {
    ConversionSettings& settings = m_records.Settings;
    settings.TargAsSrc = cbtargassrc->isChecked();
    browsetarget->setVisible(!settings.TargAsSrc);
    if (settings.TargAsSrc) {
        settings.TargetFldr = settings.SourceFldr;
        ebtarget->setText(QString::fromStdString(settings.TargetFldr));
    }
}

// Saved bounds may lie off every screen (a monitor since unplugged) or be far larger than any,
// which would also have Qt allocate a window buffer of that size.
void Tmainfrm::PlaceOnScreen(const WindowBounds& bounds) {
    m_placement.PlaceWithin(bounds, AvailableScreenAreas());
}

// The window manager learns the minimum that the resize rule enforces, so that dragging a
// corner stops there instead of showing the window smaller and snapping back. It is declared on
// the native window alone: Qt would hold every resize() to a widget's own minimum, and the rule
// makes its corrections itself. The window manager takes a client size, so the frame, once
// known, is taken off.
void Tmainfrm::DeclareMinimumSize() {
    if (QWindow* native = windowHandle()) {
        native->setMinimumSize(QSize(MinOuterWidth, MinOuterHeight) - m_placement.FrameExtent());
    }
}

} // namespace tolk
