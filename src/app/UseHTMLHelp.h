#pragma once

#include "app/ApplicationHelp.h"
#include "app/HelpViewer.h"

#include <cstdint>
#include <string>

namespace tolk {

/// The help bridge: for as long as it lives it is the application's help hook and hands every
/// help request, as the classic help commands express it, to the help viewer instead, so that
/// the classic help never runs.
class TUseHTMLHelp {
public:
    /// Attaches the bridge. It reads the help file name at each request, so it always uses the
    /// current one.
    TUseHTMLHelp(ApplicationHelp& application, const std::string& helpFile, HelpViewer& viewer);
    /// Detaches the bridge before it goes.
    ~TUseHTMLHelp();
    TUseHTMLHelp(const TUseHTMLHelp&) = delete;
    TUseHTMLHelp& operator=(const TUseHTMLHelp&) = delete;

    /// Makes exactly one viewer call for the request; always handled, with callHelp cleared.
    bool HandleHelp(std::uint16_t command, std::uintptr_t data, bool& callHelp);

private:
    ApplicationHelp& m_application;
    const std::string& m_helpFile;
    HelpViewer& m_viewer;
};

} // namespace tolk
