#include "host/formats/FormatList.h"

#include "core/Text.h"

#include <algorithm>
#include <cctype>
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

bool ListsExtension(const EngineFormat& format, const std::string& type) {
    return std::ranges::any_of(format.extensions, [&](const std::string& extension) {
        return SameAsciiCase(extension, type);
    });
}

// The description names the type as a word: "csv" in "Universal csv with ...", ".csv" in
// "... files (.csv)".
bool DescriptionNames(const EngineFormat& format, const std::string& type) {
    const std::string description = AsciiUpper(format.description);
    const std::string word = AsciiUpper(type);
    const auto isLetter = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    for (auto at = description.find(word); !word.empty() && at != std::string::npos;
         at = description.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if ((at == 0 || !isLetter(description[at - 1])) &&
            (end == description.size() || !isLetter(description[end]))) {
            return true;
        }
    }
    return false;
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

const EngineFormat* FormatList::NamedLike(const std::string& type) const {
    const auto found = std::ranges::find_if(m_formats, [&](const EngineFormat& format) {
        return format.isFile && SameAsciiCase(format.name, type);
    });
    return found != m_formats.end() ? &*found : nullptr;
}

const EngineFormat* FormatList::ForType(const std::string& type) const {
    if (const EngineFormat* named = NamedLike(type)) {
        return named;
    }
    const EngineFormat* best = nullptr;
    for (const EngineFormat& format : m_formats) {
        if (format.isFile && ListsExtension(format, type) &&
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

std::vector<const EngineFormat*> FormatList::ReadersFor(const std::string& type) const {
    std::vector<const EngineFormat*> readers;
    const EngineFormat* named = NamedLike(type);
    if (named != nullptr && named->ReadsAny()) {
        readers.push_back(named);
    }
    std::vector<const EngineFormat*> listing;
    std::vector<const EngineFormat*> describing;
    for (const EngineFormat& format : m_formats) {
        if (!format.isFile || !format.ReadsAny() || &format == named) {
            continue;
        }
        // A second format of the type's name (a listing may repeat a name) fits as well.
        if (ListsExtension(format, type) || SameAsciiCase(format.name, type)) {
            listing.push_back(&format);
        } else if (format.extensions.empty() && DescriptionNames(format, type)) {
            describing.push_back(&format);
        }
    }
    std::ranges::stable_sort(listing, {},
                             [](const EngineFormat* format) { return format->extensions.size(); });
    readers.insert(readers.end(), listing.begin(), listing.end());
    readers.insert(readers.end(), describing.begin(), describing.end());
    return readers;
}

std::vector<const EngineFormat*> FormatList::ExtensionlessReaders() const {
    std::vector<const EngineFormat*> readers;
    for (const EngineFormat& format : m_formats) {
        if (format.isFile && format.ReadsAny() && format.extensions.empty()) {
            readers.push_back(&format);
        }
    }
    return readers;
}

} // namespace tolk
