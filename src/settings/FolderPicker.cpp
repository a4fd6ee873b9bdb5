#include "settings/FolderPicker.h"

#include <filesystem>
#include <system_error>

namespace tolk {

std::string BrowseStartFolder(const std::string& storedFolder, const std::string& userFolder) {
    std::error_code error;
    if (storedFolder.empty() || !std::filesystem::is_directory(storedFolder, error)) {
        return userFolder;
    }
    return storedFolder;
}

std::string FolderPicker::ChooseFolder(FolderDialog& dialog, const std::string& prompt,
                                       const std::string& initialFolder) {
    m_initialFolder = initialFolder;
    const std::optional<std::string> chosen = dialog.Run(prompt, *this);
    if (!chosen) {
        return {};
    }
    m_rememberedRect = m_pendingRect;
    return *chosen;
}

void FolderPicker::DialogInitialized(FolderDialog& dialog) {
    // Selecting first records the rectangle of the dialog where the platform put it; the move
    // below comes after, so confirming without another selection remembers that placement.
    dialog.SelectFolder(m_initialFolder);
    if (m_rememberedRect.Bottom - m_rememberedRect.Top > 0) {
        dialog.MoveTo(m_rememberedRect.Left, m_rememberedRect.Top);
    }
}

void FolderPicker::SelectionChanged(FolderDialog& dialog) {
    m_pendingRect = dialog.OuterRect();
}

} // namespace tolk
