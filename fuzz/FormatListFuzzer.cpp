// Reads the input as the engine's format list and asks it for the format of every name and
// extension it lists: each answer must be a file format that fits the type.
#include "FuzzInput.h"
#include "host/FormatList.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tolk::fuzz::Require;
    const std::string text = tolk::fuzz::TextOf(data, size);
    const tolk::FormatList list = tolk::FormatList::Parse(text);
    for (const std::string& type : Words(text)) {
        const tolk::EngineFormat* named = list.Named(type);
        Require(named == nullptr || named->name == type);
        const tolk::EngineFormat* chosen = list.ForType(type);
        if (chosen != nullptr) {
            Require(chosen->isFile);
            Require(chosen->name == type ||
                    std::ranges::find(chosen->extensions, type) != chosen->extensions.end());
            Require(chosen->AbilityCount() >= 0 && chosen->AbilityCount() <= 6);
        }
        Require(chosen != nullptr || named == nullptr || !named->isFile);
    }
    return 0;
}
