#pragma once

#include "settings/FolderDialog.h"

class QFileDialog;

namespace tolk {

/// The folder dialog on Qt: the toolkit's own file dialog showing folders only, since only that
/// one can be selected in and placed before the user sees it.
class QtFolderDialog : public FolderDialog {
public:
    std::optional<std::string> Run(const std::string& prompt, Events& events) override;
    void SelectFolder(const std::string& path) override;
    WindowBounds OuterRect() const override;
    void MoveTo(std::int32_t left, std::int32_t top) override;

private:
    QFileDialog* m_dialog = nullptr;
    Events* m_events = nullptr;
};

} // namespace tolk
