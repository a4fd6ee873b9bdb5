// The window's minimum size, the controls that follow its edges, its outer rectangle, and the
// "Same as Source folder" rule.
#include "app/Tmainfrm.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <cstdint>

namespace tolk {
namespace {

constexpr int MinOuterHeight = 400;
constexpr int MinOuterWidth = 440;

/// A side of an outer rectangle less the frame, as a size Qt accepts even for nonsense bounds.
int ClientExtent(std::int32_t from, std::int32_t to, int frame) {
    const std::int64_t extent = std::int64_t{to} - from - frame;
    return static_cast<int>(std::clamp<std::int64_t>(extent, 0, QWIDGETSIZE_MAX));
}

} // namespace

void Tmainfrm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Guarded([this] {
        // A size change made to meet pending bounds has run the rule already, nested.
        if (!MeetPendingOuterBounds()) {
            FormResize();
        }
    });
}

void Tmainfrm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    Guarded([this] { MeetPendingOuterBounds(); });
}

bool Tmainfrm::event(QEvent* event) {
    // A label whose text changed asks its parent for a new layout. The window has none, so it
    // sizes its labels to their texts here, as they keep the place they were designed at.
    // Texts set while the window was hidden raise no request: showing it catches up.
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show) {
        FitLabelsToText();
    }
    return QWidget::event(event);
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
    const QSize frame = FrameExtent();
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

// The wrapped notice keeps its design size: a wider substitute font that wraps it onto a third
// line must not spill over the "Source Folder" label below; the status line has a fixed size.
void Tmainfrm::FitLabelsToText() {
    for (QLabel* label : {connectlbl, Label2, Label4, Label5, Label7, Label6, Label8, Label9,
                          Label3, filelistlbl}) {
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

QSize Tmainfrm::FrameExtent() const {
    return frameGeometry().size() - size();
}

WindowBounds Tmainfrm::OuterBounds() const {
    const QRect frame = frameGeometry();
    return {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
}

// Qt places a window by its frame but sizes it by its client area, so the frame is taken off
// the outer size. Before the window system has framed the window (it has not been shown yet,
// or it never gets a frame, as without a window manager) the frame counts as nothing; the
// bounds are then kept so that the outer size is met once a frame turns up.
void Tmainfrm::SetOuterBounds(const WindowBounds& bounds) {
    const QSize frame = FrameExtent();
    m_pendingOuterBounds = frame.isNull() ? std::optional(bounds) : std::nullopt;
    move(bounds.Left, bounds.Top);
    resize(ClientExtent(bounds.Left, bounds.Right, frame.width()),
           ClientExtent(bounds.Top, bounds.Bottom, frame.height()));
}

bool Tmainfrm::MeetPendingOuterBounds() {
    if (!m_pendingOuterBounds || FrameExtent().isNull()) {
        return false;
    }
    const QSize before = size();
    const WindowBounds pending = *m_pendingOuterBounds;
    SetOuterBounds(pending);
    return size() != before;
}

} // namespace tolk
