#pragma once

#include "app/HelpViewer.h"

#include <memory>

namespace tolk {

class HelpWindow;

/// The help viewer on Qt Help: compiled help files shown in the program's own help window.
class QtHelpViewer : public HelpViewer {
public:
    QtHelpViewer();
    ~QtHelpViewer() override;

    void HtmlHelp(const std::optional<std::string>& file, HtmlHelpCommand command,
                  std::uintptr_t data) override;

private:
    HelpWindow& WindowFor(const std::optional<std::string>& file);

    std::unique_ptr<HelpWindow> m_window;
};

} // namespace tolk
