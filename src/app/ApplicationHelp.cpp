#include "app/ApplicationHelp.h"

namespace tolk {

bool ApplicationHelp::HelpCommand(std::uint16_t command, std::uintptr_t data) {
    if (!m_hook) {
        // There is no classic help program on this platform to fall back on.
        return false;
    }
    bool callHelp = true;
    return m_hook(command, data, callHelp);
}

} // namespace tolk
