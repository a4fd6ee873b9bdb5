// Splits the input (its first byte is the separator) with NextToken until nothing remains. Every
// call must shorten the rest, and a short text without quotes must split as plainly as it reads.
#include "FuzzInput.h"
#include "settings/SettingsFile.h"

#include <vector>

namespace {

using Tokens = std::vector<std::string>;

// Below the cut lengths and without quotes, the rules come down to: skip spaces, take up to the
// separator.
Tokens PlainSplit(char separator, std::string rest) {
    Tokens tokens;
    while (!rest.empty()) {
        rest.erase(0, rest.find_first_not_of(' '));
        const std::size_t at = rest.find(separator);
        tokens.push_back(rest.substr(0, at));
        rest = at == std::string::npos ? "" : rest.substr(at + 1);
    }
    return tokens;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tolk::fuzz::Require;
    if (size == 0) {
        return 0;
    }
    const char separator = static_cast<char>(data[0]);
    const std::string text = tolk::fuzz::TextOf(data + 1, size - 1);
    Tokens tokens;
    std::string remaining = text;
    while (!remaining.empty()) {
        const std::size_t before = remaining.size();
        tokens.push_back(tolk::NextToken(separator, remaining));
        Require(remaining.size() < before);
        Require(tokens.back().size() <= before);
    }
    if (text.size() < 999 && text.find('"') == std::string::npos) {
        Require(tokens == PlainSplit(separator, text));
    }
    return 0;
}
