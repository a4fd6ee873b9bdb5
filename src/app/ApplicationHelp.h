#pragma once

#include <cstdint>
#include <functional>

namespace tolk {

/// The classic help commands, with their platform values, in which help requests are made.
namespace ClassicHelp {
inline constexpr std::uint16_t Context = 1;      ///< HELP_CONTEXT: data is the context number
inline constexpr std::uint16_t Quit = 2;         ///< HELP_QUIT
inline constexpr std::uint16_t Contents = 3;     ///< HELP_CONTENTS
inline constexpr std::uint16_t ContextPopup = 8; ///< HELP_CONTEXTPOPUP: data is the context number
inline constexpr std::uint16_t Key = 257;        ///< HELP_KEY: data is the keyword's address
} // namespace ClassicHelp

/// The application's help requests. Every request of the program goes through here; while a
/// hook is attached, the hook takes it.
class ApplicationHelp {
public:
    /// Takes one request; returns whether it was handled and clears callHelp to keep the
    /// application's own classic help from running afterwards.
    using Hook = std::function<bool(std::uint16_t command, std::uintptr_t data, bool& callHelp)>;

    /// Attaches the hook, or detaches it when given none.
    void SetHook(Hook hook) { m_hook = std::move(hook); }

    /// Asks for the help of a context (HELP_CONTEXT with the context number).
    bool HelpContext(std::uint32_t context) { return HelpCommand(ClassicHelp::Context, context); }

    /// Makes one help request; returns whether it was handled.
    bool HelpCommand(std::uint16_t command, std::uintptr_t data);

private:
    Hook m_hook;
};

} // namespace tolk
