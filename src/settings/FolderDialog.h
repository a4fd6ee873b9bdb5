#pragma once

#include "core/ConversionSettings.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tolk {

/// The platform's modal folder dialog: folders of the file system only, with a prompt for the
/// user. While it is open it reports to its events, and they may select a folder in it, read its
/// outer rectangle and move it.
class FolderDialog {
public:
    /// What the dialog reports while it is open.
    class Events {
    public:
        virtual ~Events() = default;
        /// The dialog is ready but not yet placed on the screen for the user.
        virtual void DialogInitialized(FolderDialog& dialog) = 0;
        /// The selected folder changed, for whatever reason; the initial selection counts too.
        virtual void SelectionChanged(FolderDialog& dialog) = 0;
    };

    virtual ~FolderDialog() = default;

    /// Opens the dialog with the prompt and waits until it closes. Returns nothing when the user
    /// cancelled; otherwise the confirmed folder's full path, or an empty text when the confirmed
    /// item has no path in the file system.
    virtual std::optional<std::string> Run(const std::string& prompt, Events& events) = 0;

    /// Selects the folder at the path and scrolls it into view. Only while the dialog is open.
    virtual void SelectFolder(const std::string& path) = 0;
    /// The dialog's outer rectangle in screen pixels, frame included. Only while it is open.
    virtual WindowBounds OuterRect() const = 0;
    /// Moves the dialog so that its outer top-left corner lies at the point, keeping its size.
    virtual void MoveTo(std::int32_t left, std::int32_t top) = 0;
};

} // namespace tolk
