#include "app/FileListNews.h"

#include "app/OutcomeMarks.h"

#include <QListWidget>

namespace tolk {

void FileListNews::Mark(int row, const FileOutcome& outcome) {
    m_marks.emplace_back(row, outcome);
}

void FileListNews::Highlight(int row) {
    m_highlight = row;
}

void FileListNews::ShowIn(QListWidget& list) {
    for (const auto& [row, outcome] : m_marks) {
        if (QListWidgetItem* item = list.item(row)) {
            ShowOutcome(*item, outcome);
        }
    }
    m_marks.clear();
    if (m_highlight) {
        const QSignalBlocker blocker(list);
        list.setCurrentRow(*m_highlight);
        m_highlight.reset();
    }
}

} // namespace tolk
