#include "app/UseHTMLHelp.h"

namespace tolk {

TUseHTMLHelp::TUseHTMLHelp(ApplicationHelp& application, const std::string& helpFile,
                           HelpViewer& viewer)
    : m_application(application), m_helpFile(helpFile), m_viewer(viewer) {
    m_application.SetHook([this](std::uint16_t command, std::uintptr_t data, bool& callHelp) {
        return HandleHelp(command, data, callHelp);
    });
}

TUseHTMLHelp::~TUseHTMLHelp() {
    m_application.SetHook(nullptr);
}

bool TUseHTMLHelp::HandleHelp(std::uint16_t command, std::uintptr_t data, bool& callHelp) {
    switch (command) {
    case ClassicHelp::Context:
    case ClassicHelp::ContextPopup:
        // A popup request opens the full topic: the viewer has no popup windows.
        m_viewer.HtmlHelp(m_helpFile, HtmlHelpCommand::HelpContext, data);
        break;
    case ClassicHelp::Key:
        m_viewer.HtmlHelp(m_helpFile, HtmlHelpCommand::DisplayIndex, data);
        break;
    case ClassicHelp::Quit:
        m_viewer.HtmlHelp(std::nullopt, HtmlHelpCommand::CloseAll, 0);
        break;
    default:
        m_viewer.HtmlHelp(m_helpFile, HtmlHelpCommand::DisplayTopic, 0);
        break;
    }
    callHelp = false;
    return true;
}

} // namespace tolk
