// Written out rather than taken from the standard library: strtol and from_chars accept other
// forms ("0x", inner blanks, no "$"), and the settings file has always been read by these rules.
#include "settings/IntegerText.h"

#include "core/TolkError.h"
#include "core/Translate.h"

#include <algorithm>
#include <limits>

namespace tolk {
namespace {

int DigitValue(char c, int base) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (base == 16 && c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (base == 16 && c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

std::optional<std::int32_t> IntegerFromText(const std::string& text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) {
        return std::nullopt;
    }
    int base = 10;
    bool negative = false;
    if (text[i] == '$') {
        base = 16;
        ++i;
    } else if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    // One past the largest magnitude, so that the loop stops long before 64 bits overflow.
    const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) {
            return std::nullopt;
        }
        magnitude = std::min(magnitude * base + digit, limit);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t StrictInteger(const std::string& text) {
    const std::optional<std::int32_t> value = IntegerFromText(text);
    if (!value) {
        throw TolkError(Tr("Settings", "'%1' is not a valid integer value", {text}));
    }
    return *value;
}

} // namespace tolk
