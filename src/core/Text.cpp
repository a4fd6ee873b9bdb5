#include "core/Text.h"

namespace tolk {

std::string AsciiUpper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

bool SameAsciiCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && AsciiUpper(a) == AsciiUpper(b);
}

} // namespace tolk
