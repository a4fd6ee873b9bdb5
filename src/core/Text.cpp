#include "core/Text.h"

#include "core/Translate.h"

#include <algorithm>

namespace tolk {
namespace {

bool IsControl(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 0x20 || code == 0x7f;
}

char Printable(char c) {
    return IsControl(c) ? '?' : c;
}

} // namespace

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

std::string PrintableName(const std::string& name) {
    std::string result = name;
    std::ranges::transform(result, result.begin(), Printable);
    return result;
}

std::string PrintableLines(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        result += text[i] == '\n' ? '\n' : Printable(text[i]);
    }
    return result;
}

std::string FirstLines(const std::string& text, int maxLines) {
    const auto lines = static_cast<int>(std::ranges::count(text, '\n')) + 1;
    if (lines <= maxLines) {
        return text;
    }
    const int kept = std::max(1, maxLines - 1);
    std::size_t end = 0;
    for (int line = 0; line < kept; ++line) {
        end = text.find('\n', end) + 1;
    }
    return text.substr(0, end) +
           Tr("Core", "... and %1 more (see conversion.log)", {std::to_string(lines - kept)});
}

std::string EscapedLine(const std::string& text) {
    static const char* const Hex = "0123456789abcdef";
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\':
            result += "\\\\";
            break;
        case '\t':
            result += "\\t";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\r':
            result += "\\r";
            break;
        default:
            if (IsControl(c)) {
                const auto code = static_cast<unsigned char>(c);
                result += {'\\', 'x', Hex[code >> 4], Hex[code & 0xf]};
            } else {
                result += c;
            }
        }
    }
    return result;
}

} // namespace tolk
