#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tolk {

/// The help viewer's commands, with the values the platform's HTML Help gives them.
enum class HtmlHelpCommand : std::uint32_t {
    DisplayTopic = 0, ///< HH_DISPLAY_TOPIC: the help file's default topic
    DisplayIndex = 2, ///< HH_DISPLAY_INDEX: the keyword index, at the keyword given as data
    HelpContext = 15, ///< HH_HELP_CONTEXT: the topic mapped to the context number given as data
    CloseAll = 18,    ///< HH_CLOSE_ALL: closes every help window
};

/// The program's help viewer. It shows its own window, owned by no other window of the program,
/// and reports there whatever goes wrong (a missing or unreadable help file, a context that the
/// file does not map); callers never learn the outcome.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;

    /// Carries out one command on the help file (none for CloseAll). For DisplayIndex the data is
    /// the address of a NUL-terminated keyword, or 0; for HelpContext the context number; else 0.
    virtual void HtmlHelp(const std::optional<std::string>& file, HtmlHelpCommand command,
                          std::uintptr_t data) = 0;
};

} // namespace tolk
