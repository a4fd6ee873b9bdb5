#pragma once

#include "app/RowHeightDelegate.h"
#include "convert/FileOutcome.h"

#include <QString>

class QListWidgetItem;

namespace tolk {

/// How a listed file's last conversion ended, as the mark beside its name shows it.
enum class FileMark { Converted, PartlyKept, NotConverted, Stopped };

FileMark MarkOf(const FileOutcome& outcome);

/// Gives the item the mark of the outcome, and the outcome in words with its reason as the
/// item's tool tip and its description for assistive tools.
void ShowOutcome(QListWidgetItem& item, const FileOutcome& outcome);
/// Takes the item's mark, tool tip and description away.
void ClearOutcome(QListWidgetItem& item);
/// The reason the item's last conversion gave; empty when it gave none or has no mark.
QString ReasonOf(const QListWidgetItem& item);

/// Draws the file list's rows at one height, with each file's mark at the right end of its
/// row: a disc in the outcome's colour, as dark or as light as the row's background needs,
/// holding a shape of its own (tick, exclamation, cross, square), so that the marks differ by
/// more than colour.
class OutcomeMarkDelegate : public RowHeightDelegate {
public:
    OutcomeMarkDelegate(int rowHeight, QObject* parent) : RowHeightDelegate(rowHeight, parent) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace tolk
