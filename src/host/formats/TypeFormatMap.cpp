#include "host/formats/TypeFormatMap.h"

#include "core/Text.h"

#include <algorithm>

namespace tolk {

TypeFormatMap::TypeFormatMap(FormatList formats, std::map<std::string, std::string> choices)
    : m_formats(std::move(formats)) {
    // The first line for a type counts, whatever its letter case.
    for (const auto& [type, choice] : choices) {
        m_choices.emplace(AsciiUpper(type), choice);
    }
}

void TypeFormatMap::Choose(const std::string& type, const std::string& choice) {
    m_choices[AsciiUpper(type)] = choice;
}

std::optional<std::optional<FormatChoice>>
TypeFormatMap::UsersChoice(const std::string& type) const {
    const auto chosen = m_choices.find(AsciiUpper(type));
    if (chosen == m_choices.end()) {
        return std::nullopt;
    }
    const std::string& userChoice = chosen->second;
    const auto comma = userChoice.find(',');
    const EngineFormat* format = m_formats.Named(userChoice.substr(0, comma));
    if (format == nullptr) {
        return std::optional<FormatChoice>();
    }
    return FormatChoice{*format, comma == std::string::npos ? "" : userChoice.substr(comma + 1)};
}

std::optional<FormatChoice> TypeFormatMap::ForType(const std::string& type) const {
    if (auto chosen = UsersChoice(type)) {
        return *chosen;
    }
    const EngineFormat* format = m_formats.ForType(type);
    return format != nullptr ? std::optional<FormatChoice>({*format, {}}) : std::nullopt;
}

bool TypeFormatMap::ReaderNamed(const std::string& type) const {
    const auto chosen = UsersChoice(type);
    return chosen && *chosen && (*chosen)->format.ReadsAny();
}

std::vector<FormatChoice> TypeFormatMap::ReadersFor(const std::string& type) const {
    std::vector<FormatChoice> readers;
    const auto chosen = UsersChoice(type);
    if (chosen && !*chosen) {
        return readers;
    }
    if (chosen && (*chosen)->format.ReadsAny()) {
        readers.push_back(**chosen);
    }
    for (const EngineFormat* format : m_formats.ReadersFor(type)) {
        const bool listed = std::ranges::any_of(readers, [&](const FormatChoice& reader) {
            return reader.format.name == format->name;
        });
        if (!listed) {
            readers.push_back({*format, {}});
        }
    }
    return readers;
}

} // namespace tolk
