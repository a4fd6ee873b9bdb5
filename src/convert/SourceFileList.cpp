#include "convert/SourceFileList.h"

#include "core/TolkError.h"

namespace tolk {

void SourceFileList::AttachView(FileListView* view) {
    m_view = view;
    if (m_view) {
        m_view->ShowNames(m_names);
        m_view->ShowCurrentIndex(m_current);
    }
}

const std::string& SourceFileList::NameAt(int index) const {
    if (index < 0 || index >= Count()) {
        throw TolkError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return m_names[static_cast<std::size_t>(index)];
}

void SourceFileList::SetCurrentIndex(int index) {
    // One past the last name keeps the last name current, as a list box does when asked to
    // select beyond its end after the last file was converted or skipped.
    if (index >= Count()) {
        index = Count() - 1;
    }
    m_current = index < 0 ? -1 : index;
    if (m_view) {
        m_view->ShowCurrentIndex(m_current);
    }
}

void SourceFileList::SetNames(std::vector<std::string> names) {
    m_names = std::move(names);
    m_current = -1;
    if (m_view) {
        m_view->ShowNames(m_names);
        m_view->ShowCurrentIndex(m_current);
    }
}

} // namespace tolk
