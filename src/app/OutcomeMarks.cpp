#include "app/OutcomeMarks.h"

#include "app/ReadableColour.h"
#include "core/Text.h"
#include "core/Translate.h"

#include <QApplication>
#include <QListWidgetItem>
#include <QPainter>
#include <QPainterPath>

namespace tolk {
namespace {

// Beside the roles a list item has anyway: the mark, and the reason alone for the menu.
constexpr int MarkRole = Qt::UserRole + 1;
constexpr int ReasonRole = Qt::UserRole + 2;

struct MarkLook {
    const char* headline;
    QColor colour;
};

MarkLook LookOf(FileMark mark) {
    switch (mark) {
    case FileMark::Converted:
        return {QT_TRANSLATE_NOOP("OutcomeMarks", "Converted"), QColor(0, 160, 60)};
    case FileMark::PartlyKept:
        return {QT_TRANSLATE_NOOP("OutcomeMarks", "Converted, but only part of its data was kept"),
                QColor(230, 150, 0)};
    case FileMark::NotConverted:
        return {QT_TRANSLATE_NOOP("OutcomeMarks", "Not converted"), QColor(220, 30, 30)};
    case FileMark::Stopped:
        return {QT_TRANSLATE_NOOP("OutcomeMarks", "Stopped before it was converted"),
                QColor(100, 110, 130)};
    }
    return {"", QColor()};
}

std::string ReasonText(const FileOutcome& outcome) {
    const std::string notes = OutcomeNotes(outcome);
    return notes.empty() && outcome.failure ? *outcome.failure : notes;
}

// The shape inside the disc, drawn on a square of side 1 around the disc's centre.
QPainterPath Glyph(FileMark mark) {
    QPainterPath path;
    switch (mark) {
    case FileMark::Converted:
        path.moveTo(-0.25, 0.0);
        path.lineTo(-0.07, 0.2);
        path.lineTo(0.27, -0.2);
        break;
    case FileMark::PartlyKept:
        path.moveTo(0.0, -0.28);
        path.lineTo(0.0, 0.06);
        path.moveTo(0.0, 0.24);
        path.lineTo(0.0, 0.25);
        break;
    case FileMark::NotConverted:
        path.moveTo(-0.2, -0.2);
        path.lineTo(0.2, 0.2);
        path.moveTo(0.2, -0.2);
        path.lineTo(-0.2, 0.2);
        break;
    case FileMark::Stopped:
        path.addRect(-0.17, -0.17, 0.34, 0.34);
        break;
    }
    return path;
}

void DrawMark(QPainter& painter, const QRectF& square, FileMark mark, const QColor& background) {
    const QColor disc = ReadableOn(LookOf(mark).colour, background);
    const QColor inside =
        Contrast(disc, Qt::white) >= Contrast(disc, Qt::black) ? Qt::white : Qt::black;
    const qreal side = square.width() - 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(square.center());
    painter.setPen(Qt::NoPen);
    painter.setBrush(disc);
    painter.drawEllipse(QPointF(0, 0), side / 2, side / 2);
    painter.scale(side, side);
    QPen pen(inside, 0.14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(mark == FileMark::Stopped ? QBrush(inside) : QBrush());
    painter.drawPath(Glyph(mark));
    painter.restore();
}

} // namespace

FileMark MarkOf(const FileOutcome& outcome) {
    if (outcome.converted) {
        return outcome.notKept.empty() ? FileMark::Converted : FileMark::PartlyKept;
    }
    return outcome.stopped ? FileMark::Stopped : FileMark::NotConverted;
}

void ShowOutcome(QListWidgetItem& item, const FileOutcome& outcome) {
    const FileMark mark = MarkOf(outcome);
    const QString reason = QString::fromStdString(PrintableLines(ReasonText(outcome)));
    QString words = QString::fromStdString(Tr("OutcomeMarks", LookOf(mark).headline));
    if (!reason.isEmpty()) {
        words += u'\n' + reason;
    }
    item.setData(MarkRole, static_cast<int>(mark));
    item.setData(ReasonRole, reason);
    item.setToolTip(words);
    item.setData(Qt::AccessibleDescriptionRole, words);
}

void ClearOutcome(QListWidgetItem& item) {
    // Every change tells the list and assistive tools; a row without a mark has nothing to take.
    if (!item.data(MarkRole).isValid()) {
        return;
    }
    for (const int role :
         {MarkRole, ReasonRole, int(Qt::ToolTipRole), int(Qt::AccessibleDescriptionRole)}) {
        item.setData(role, QVariant());
    }
}

QString ReasonOf(const QListWidgetItem& item) {
    return item.data(ReasonRole).toString();
}

void OutcomeMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QVariant mark = index.data(MarkRole);
    if (!mark.isValid()) {
        RowHeightDelegate::paint(painter, option, index);
        return;
    }
    // The row's background spans the mark too; the name is drawn, and cut short, beside it.
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    const QWidget* view = option.widget;
    QStyle* style = view ? view->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &row, painter, view);
    const int side = option.rect.height();
    QStyleOptionViewItem name = option;
    name.rect.setRight(option.rect.right() - side);
    RowHeightDelegate::paint(painter, name, index);

    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QColor background = option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
    DrawMark(*painter, QRectF(option.rect.right() - side + 1, option.rect.top(), side, side),
             static_cast<FileMark>(mark.toInt()), background);
}

} // namespace tolk
