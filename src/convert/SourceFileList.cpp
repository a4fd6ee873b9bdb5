#include "convert/SourceFileList.h"

#include "convert/SourceFolder.h"
#include "core/TolkError.h"
#include "core/Translate.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace tolk {
namespace {

std::string WorkingDirectory() {
    std::error_code ec;
    return std::filesystem::current_path(ec).string();
}

// The type the mask "*." + type stands for.
std::string MaskType(const std::string& mask) {
    return mask.substr(2);
}

} // namespace

SourceFileList::SourceFileList() : m_folder(WorkingDirectory()) {}

void SourceFileList::AttachView(FileListView* view) {
    m_view = view;
    if (m_view && !m_read) {
        try {
            SourceFolder folder(m_folder);
            m_names = folder.MatchingNames(MaskType(m_mask));
            m_read = true;
        } catch (const IoError&) {
            // Before any refresh there is nobody to tell; the list shows nothing, and the
            // first refresh reports the folder if it still cannot be read.
        }
    }
    if (m_view) {
        ShowNames();
    }
}

const std::string& SourceFileList::NameAt(int index) const {
    if (index < 0 || index >= Count()) {
        throw TolkError(Tr("Convert", "List index out of bounds (%1)", {std::to_string(index)}));
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
    m_read = true;
    if (m_view) {
        ShowNames();
    }
}

void SourceFileList::RefreshFileList(const std::string& sourceFolder,
                                     const std::string& sourceType) {
    std::optional<SourceFolder> entered;
    if (!sourceFolder.empty()) {
        entered.emplace(sourceFolder);
    }
    const std::string folder = entered ? entered->FullPath() : m_folder;
    const std::string mask = "*." + sourceType;
    if (!m_read || folder != m_folder || mask != m_mask) {
        if (!entered) {
            entered.emplace(m_folder);
        }
        // Read before changing anything, so that a failure leaves the list as it was.
        std::vector<std::string> names = entered->MatchingNames(sourceType);
        m_folder = folder;
        m_mask = mask;
        SetNames(std::move(names));
    }
    SetCurrentIndex(m_names.empty() ? -1 : 0);
    if (m_view) {
        const std::string count = std::to_string(Count());
        m_view->ShowCounts(Tr("Convert", "%1 files to convert", {count}),
                           Tr("Convert", "Number of files = %1", {count}));
    }
}

void SourceFileList::ShowNames() {
    m_view->ShowNames(m_names);
    m_view->ShowCurrentIndex(m_current);
}

} // namespace tolk
