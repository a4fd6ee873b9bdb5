#include "host/HostFormatsFile.h"

#include "core/Text.h"

#include <algorithm>
#include <fstream>

namespace tolk {
namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool IsSectionLine(const std::string& line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

} // namespace

std::map<std::string, std::string> ReadHostFormats(const std::string& path) {
    std::map<std::string, std::string> choices;
    std::ifstream file(path);
    bool inFormats = false;
    std::string raw;
    while (std::getline(file, raw)) {
        const std::string line = Trimmed(raw);
        if (IsSectionLine(line)) {
            inFormats = AsciiUpper(Trimmed(line.substr(1, line.size() - 2))) == "FORMATS";
            continue;
        }
        const auto equals = line.find('=');
        if (!inFormats || line.starts_with(';') || equals == std::string::npos) {
            continue;
        }
        const std::string type = Trimmed(line.substr(0, equals));
        const std::string value = line.substr(equals + 1);
        const auto comma = value.find(',');
        const std::string format = Trimmed(value.substr(0, comma));
        const std::string options =
            comma == std::string::npos ? "" : Trimmed(value.substr(comma + 1));
        const bool known = std::ranges::any_of(choices, [&](const auto& choice) {
            return AsciiUpper(choice.first) == AsciiUpper(type);
        });
        if (!type.empty() && !format.empty() && !known) {
            choices.emplace(type, options.empty() ? format : format + "," + options);
        }
    }
    return choices;
}

} // namespace tolk
