#pragma once

#include "convert/FileOutcome.h"

#include <optional>
#include <utility>
#include <vector>

class QListWidget;

namespace tolk {

/// What a run has yet to show in the file list: each finished file's mark and where the
/// highlight goes. Gathered while the news of a run comes in and shown in one go, because after
/// a change to any row the list lays all its rows out again before it moves its highlight or
/// paints: once for each showing, rather than once for each file of a long list.
class FileListNews {
public:
    /// The row's file ended with the outcome.
    void Mark(int row, const FileOutcome& outcome);
    /// The highlight is to move to the row.
    void Highlight(int row);
    /// Shows in the list what was gathered, marks in order and then the highlight; the list's
    /// signals are blocked while it moves, as for every move the program makes.
    void ShowIn(QListWidget& list);

private:
    std::vector<std::pair<int, FileOutcome>> m_marks;
    std::optional<int> m_highlight;
};

} // namespace tolk
