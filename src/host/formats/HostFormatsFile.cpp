#include "host/formats/HostFormatsFile.h"

#include "core/Text.h"

#include <QSaveFile>
#include <algorithm>
#include <fstream>
#include <optional>
#include <vector>

namespace tolk {
namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Whether the line opens a section, and if so whether that section holds the formats.
std::optional<bool> OpensFormatsSection(const std::string& line) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') {
        return std::nullopt;
    }
    return AsciiUpper(Trimmed(line.substr(1, line.size() - 2))) == "FORMATS";
}

// One "type=format[,options]" line of the formats section; empty type when the line is none.
struct ChoiceLine {
    std::string type;
    std::string choice;
};

ChoiceLine ReadChoiceLine(const std::string& line) {
    const auto equals = line.find('=');
    if (line.starts_with(';') || equals == std::string::npos) {
        return {};
    }
    const std::string type = Trimmed(line.substr(0, equals));
    const std::string value = line.substr(equals + 1);
    const auto comma = value.find(',');
    const std::string format = Trimmed(value.substr(0, comma));
    const std::string options = comma == std::string::npos ? "" : Trimmed(value.substr(comma + 1));
    if (type.empty() || format.empty()) {
        return {};
    }
    return {type, options.empty() ? format : format + "," + options};
}

// Calls back with each line of the file, and whether it stands in the formats section.
template <class Visit>
void ForEachLine(const std::string& path, Visit&& visit) {
    std::ifstream file(path);
    bool inFormats = false;
    std::string raw;
    while (std::getline(file, raw)) {
        if (const std::optional<bool> formats = OpensFormatsSection(Trimmed(raw))) {
            inFormats = *formats;
            visit(raw, false);
        } else {
            visit(raw, inFormats);
        }
    }
}

} // namespace

std::map<std::string, std::string> ReadHostFormats(const std::string& path) {
    std::map<std::string, std::string> choices;
    ForEachLine(path, [&choices](const std::string& raw, bool inFormats) {
        const ChoiceLine line = ReadChoiceLine(Trimmed(raw));
        const bool known = std::ranges::any_of(
            choices, [&](const auto& choice) { return SameAsciiCase(choice.first, line.type); });
        if (inFormats && !line.type.empty() && !known) {
            choices.emplace(line.type, line.choice);
        }
    });
    return choices;
}

bool SaveHostFormat(const std::string& path, const std::string& type, const std::string& choice) {
    std::vector<std::string> lines;
    std::optional<std::size_t> replaced;
    std::optional<std::size_t> insertAt; // after the last line of the first formats section
    int formatsSections = 0;
    ForEachLine(path, [&](const std::string& raw, bool inFormats) {
        const std::string line = Trimmed(raw);
        const bool opensFormats = OpensFormatsSection(line) == true;
        formatsSections += opensFormats ? 1 : 0;
        if (inFormats && !replaced && SameAsciiCase(ReadChoiceLine(line).type, type)) {
            replaced = lines.size();
        }
        lines.push_back(raw);
        if ((inFormats || opensFormats) && formatsSections == 1 && !line.empty()) {
            insertAt = lines.size();
        }
    });
    const std::string entry = type + "=" + choice;
    if (replaced) {
        lines[*replaced] = entry;
    } else if (insertAt) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*insertAt), entry);
    } else {
        lines.insert(lines.end(), {"[FORMATS]", entry});
    }
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    for (const std::string& line : lines) {
        file.write(line.data(), static_cast<qint64>(line.size()));
        file.write("\n");
    }
    return file.commit();
}

} // namespace tolk
