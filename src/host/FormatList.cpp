#include "host/FormatList.h"

#include <algorithm>
#include <sstream>

namespace tolk {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream stream(text);
    while (std::getline(stream, part, separator)) {
        parts.push_back(part);
    }
    if (!text.empty() && text.back() == separator) {
        parts.emplace_back();
    }
    return parts;
}

// Abilities are written as "rwrwrw": read and write for waypoints, tracks and routes in turn,
// a "-" where the format lacks one.
void ReadAbilities(const std::string& text, EngineFormat& format) {
    for (std::size_t kind = 0; kind < 3 && 2 * kind + 1 < text.size(); ++kind) {
        format.reads[kind] = text[2 * kind] == 'r';
        format.writes[kind] = text[2 * kind + 1] == 'w';
    }
}

} // namespace

FormatList FormatList::Parse(const std::string& listing) {
    FormatList list;
    std::istringstream lines(listing);
    std::string line;
    while (std::getline(lines, line)) {
        const std::vector<std::string> fields = Split(line, '\t');
        if (fields.size() >= 3 && fields[0] == "option") {
            for (EngineFormat& format : list.m_formats) {
                if (format.name == fields[1]) {
                    format.options.push_back(fields[2]);
                }
            }
        } else if (fields.size() >= 4 && (fields[0] == "file" || fields[0] == "internal")) {
            EngineFormat format;
            format.isFile = fields[0] == "file";
            ReadAbilities(fields[1], format);
            format.name = fields[2];
            if (!fields[3].empty()) {
                format.extensions = Split(fields[3], '/');
            }
            if (fields.size() >= 5) {
                format.description = fields[4];
            }
            list.m_formats.push_back(std::move(format));
        }
    }
    return list;
}

const EngineFormat* FormatList::Named(const std::string& name) const {
    const auto found = std::ranges::find(m_formats, name, &EngineFormat::name);
    return found != m_formats.end() ? &*found : nullptr;
}

const EngineFormat* FormatList::ForType(const std::string& type) const {
    const EngineFormat* named = Named(type);
    if (named != nullptr && named->isFile) {
        return named;
    }
    const EngineFormat* best = nullptr;
    for (const EngineFormat& format : m_formats) {
        if (format.isFile &&
            std::ranges::find(format.extensions, type) != format.extensions.end() &&
            (best == nullptr || format.AbilityCount() > best->AbilityCount())) {
            best = &format;
        }
    }
    return best;
}

std::vector<OfferedFormat> FormatList::Offered(FormatUse use) const {
    std::vector<OfferedFormat> offered;
    for (const EngineFormat& format : m_formats) {
        if (format.isFile && (use == FormatUse::Read ? format.ReadsAny() : format.WritesAny())) {
            offered.push_back({format.name, format.description});
        }
    }
    return offered;
}

} // namespace tolk
