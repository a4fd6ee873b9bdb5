// What the window tells of each file's outcome beyond the status line: the marks and reasons in
// the file list, their context menu, and the desktop's notice at the end of a long run.
#include "app/OutcomeMarks.h"
#include "app/OutcomeMenu.h"
#include "app/RunEndNotice.h"
#include "app/Tmainfrm.h"
#include "core/Text.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>

namespace tolk {

void Tmainfrm::ConnectOutcomeHandlers() {
    FileListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FileListBox1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QListWidgetItem* item = FileListBox1->itemAt(at);
        ShowFileMenu(item ? item : FileListBox1->currentItem(), at);
    });
    // From the keyboard the menu is about the highlighted file.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* shortcut = new QShortcut(keys, FileListBox1, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] {
            QListWidgetItem* item = FileListBox1->currentItem();
            ShowFileMenu(item, item ? FileListBox1->visualItemRect(item).center() : QPoint());
        });
    }
    statuslbl->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(statuslbl, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        ShowOutcomeMenu(statuslbl->mapToGlobal(at), statuslbl->toolTip());
    });
    m_runEndNotice = new RunEndNotice(this);
    connect(m_runEndNotice, &RunEndNotice::Clicked, this, [this] { BringToFront(); });
}

void Tmainfrm::ShowFileOutcome(int index, const FileOutcome& outcome) {
    m_listNews.Mark(m_runFirstRow + index, outcome);
}

void Tmainfrm::ShowListNews() {
    m_listNews.ShowIn(*FileListBox1);
}

void Tmainfrm::ClearFileOutcomes() {
    for (int row = 0; row < FileListBox1->count(); ++row) {
        ClearOutcome(*FileListBox1->item(row));
    }
}

void Tmainfrm::ShowFileMenu(QListWidgetItem* item, const QPoint& atInList) {
    ShowOutcomeMenu(FileListBox1->viewport()->mapToGlobal(atInList),
                    item ? ReasonOf(*item) : QString());
}

void Tmainfrm::ShowOutcomeMenu(const QPoint& atOnScreen, const QString& reason) {
    const QString log = m_records.WorkFolder.empty()
                            ? QString()
                            : QString::fromStdString(m_records.WorkFolder + "/conversion.log");
    auto* menu = new OutcomeMenu(this, {reason, ebtarget->text(), log}, m_services.openUrl,
                                 m_services.messenger);
    menu->popup(atOnScreen);
}

// A long run that ended behind other windows is told where the desktop tells such things.
void Tmainfrm::NoticeRunEnd(const RunTotals& totals) {
    if (isActiveWindow() || m_closeAfterRun ||
        std::chrono::milliseconds(m_runClock.elapsed()) < m_services.longRun) {
        return;
    }
    const std::string more = totals.failure          ? PrintableLines(*totals.failure)
                             : totals.partlyKept > 0 ? PartlyKeptNote(totals.partlyKept)
                                                     : std::string();
    m_runEndNotice->Send(statuslbl->text(), QString::fromStdString(more));
}

} // namespace tolk
