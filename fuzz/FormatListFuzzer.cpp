// Reads the input as the engine's format list and asks it for the format of every name and
// extension it lists: each answer must be a file format that fits the type in any letter case,
// and the readers of the type are reading file formats, each once, those that fit first.
#include "FuzzInput.h"
#include "core/Text.h"
#include "host/formats/FormatList.h"

#include <algorithm>
#include <vector>

namespace {

// Every name and extension the listing could hold, and more: its text cut at tabs, slashes and
// line ends.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words{""};
    std::size_t start = 0;
    for (std::size_t end; (end = text.find_first_of("\t/\n", start)) != std::string::npos;
         start = end + 1) {
        words.push_back(text.substr(start, end - start));
    }
    words.push_back(text.substr(start));
    return words;
}

bool SameType(const std::string& a, const std::string& b) {
    return tolk::AsciiUpper(a) == tolk::AsciiUpper(b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tolk::fuzz::Require;
    const std::string text = tolk::fuzz::TextOf(data, size);
    const tolk::FormatList list = tolk::FormatList::Parse(text);
    for (const std::string& type : Words(text)) {
        const tolk::EngineFormat* named = list.Named(type);
        Require(named == nullptr || named->name == type);
        const auto fits = [&](const tolk::EngineFormat& format) {
            return format.isFile &&
                   (SameType(format.name, type) ||
                    std::ranges::any_of(format.extensions, [&](const std::string& extension) {
                        return SameType(extension, type);
                    }));
        };
        const tolk::EngineFormat* chosen = list.ForType(type);
        if (chosen != nullptr) {
            Require(fits(*chosen));
            Require(chosen->AbilityCount() >= 0 && chosen->AbilityCount() <= 6);
        }
        Require(chosen != nullptr || named == nullptr || !named->isFile);
        // Every reader is a file format that reads, listed once; those that fit come first.
        const std::vector<const tolk::EngineFormat*> readers = list.ReadersFor(type);
        for (std::size_t index = 0; index < readers.size(); ++index) {
            Require(readers[index]->isFile && readers[index]->ReadsAny());
            Require(std::count(readers.begin(), readers.end(), readers[index]) == 1);
            Require(index == 0 || fits(*readers[index]) <= fits(*readers[index - 1]));
        }
    }
    return 0;
}
