#pragma once

#include "core/ConversionSettings.h"
#include "settings/FolderDialog.h"

#include <string>

namespace tolk {

/// The folder a Browse button opens its dialog on: the stored folder, or UserFolder when the
/// stored one is empty or not an existing folder. UserFolder itself is passed on unchecked.
std::string BrowseStartFolder(const std::string& storedFolder, const std::string& userFolder);

/// Chooses folders with the folder dialog, opening each dialog of the run where the user left
/// the last one whose choice was confirmed. The memory lasts for the run only.
class FolderPicker : private FolderDialog::Events {
public:
    /// Opens the dialog with the prompt, the initial folder selected. Returns the chosen folder,
    /// or an empty text when the user cancelled or the choice has no path.
    std::string ChooseFolder(FolderDialog& dialog, const std::string& prompt,
                             const std::string& initialFolder);

    /// The dialog's rectangle at its last selection change.
    const WindowBounds& PendingRect() const { return m_pendingRect; }
    /// The rectangle taken over at the last confirmed choice; the next dialog opens at its
    /// top-left corner once its height is above zero.
    const WindowBounds& RememberedRect() const { return m_rememberedRect; }

private:
    void DialogInitialized(FolderDialog& dialog) override;
    void SelectionChanged(FolderDialog& dialog) override;

    std::string m_initialFolder;
    WindowBounds m_pendingRect;
    WindowBounds m_rememberedRect;
};

} // namespace tolk
