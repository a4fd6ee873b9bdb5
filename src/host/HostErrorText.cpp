#include "host/HostErrorText.h"

#include "core/Translate.h"

#include <cstdio>

namespace tolk {
namespace {

std::string TrimTrailingBlanksAndStops(std::string text) {
    while (!text.empty() &&
           (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.')) {
        text.pop_back();
    }
    return text;
}

} // namespace

std::string SystemStatusText(std::int32_t status) {
    // The automation layer's common failure statuses, as the system words them.
    switch (static_cast<std::uint32_t>(status)) {
    case 0x80004001u:
        return Tr("Host", "Not implemented");
    case 0x80004002u:
        return Tr("Host", "No such interface supported");
    case 0x80004003u:
        return Tr("Host", "Invalid pointer");
    case 0x80004004u:
        return Tr("Host", "Operation aborted");
    case 0x80004005u:
        return Tr("Host", "Unspecified error");
    case 0x8000FFFFu:
        return Tr("Host", "Catastrophic failure");
    case 0x80070005u:
        return Tr("Host", "Access is denied.");
    case 0x8007000Eu:
        return Tr("Host", "Not enough storage is available to complete this operation.");
    case 0x80070057u:
        return Tr("Host", "The parameter is incorrect.");
    case 0x80040154u:
        return Tr("Host", "Class not registered");
    case 0x800401F0u:
        return Tr("Host", "CoInitialize has not been called.");
    case 0x80010108u:
        return Tr("Host", "The object invoked has disconnected from its clients.");
    default:
        return "";
    }
}

std::string HostErrorText(const HostStatus& status) {
    std::string text = TrimTrailingBlanksAndStops(status.description);
    if (text.empty()) {
        text = TrimTrailingBlanksAndStops(SystemStatusText(status.code));
    }
    if (text.empty()) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "OLE error %.8x",
                      static_cast<unsigned int>(status.code));
        text = buffer;
    }
    return text;
}

} // namespace tolk
