#include "host/TypeFormatMap.h"

namespace tolk {

TypeFormatMap::TypeFormatMap(FormatList formats, std::map<std::string, std::string> choices)
    : m_formats(std::move(formats)), m_choices(std::move(choices)) {}

std::optional<FormatChoice> TypeFormatMap::ForType(const std::string& type) const {
    const auto chosen = m_choices.find(type);
    if (chosen == m_choices.end()) {
        const EngineFormat* format = m_formats.ForType(type);
        return format != nullptr ? std::optional<FormatChoice>({*format, {}}) : std::nullopt;
    }
    const std::string& userChoice = chosen->second;
    const auto comma = userChoice.find(',');
    const EngineFormat* format = m_formats.Named(userChoice.substr(0, comma));
    if (format == nullptr) {
        return std::nullopt;
    }
    return FormatChoice{*format, comma == std::string::npos ? "" : userChoice.substr(comma + 1)};
}

} // namespace tolk
