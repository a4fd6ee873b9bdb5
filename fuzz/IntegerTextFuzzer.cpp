// The integer text rules against a second reading built on std::from_chars, and the strict form
// against the plain one.
#include "FuzzInput.h"
#include "core/TolkError.h"
#include "settings/IntegerText.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <optional>

namespace {

bool AllDigits(const std::string& text, int base) {
    for (const char c : text) {
        const bool decimal = c >= '0' && c <= '9';
        const bool hex = (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!decimal && !(base == 16 && hex)) {
            return false;
        }
    }
    return !text.empty();
}

std::optional<std::int32_t> ExpectedValue(const std::string& text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos) {
        return std::nullopt;
    }
    std::string digits = text.substr(start);
    int base = 10;
    bool negative = false;
    if (digits.front() == '$') {
        base = 16;
        digits.erase(0, 1);
    } else if (digits.front() == '+' || digits.front() == '-') {
        negative = digits.front() == '-';
        digits.erase(0, 1);
    }
    if (!AllDigits(digits, base)) {
        return std::nullopt;
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
    const std::uint64_t limit =
        negative ? std::uint64_t{1} << 31 : std::numeric_limits<std::int32_t>::max();
    if (error != std::errc() || magnitude > limit) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                              : static_cast<std::int64_t>(magnitude));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tolk::fuzz::Require;
    const std::string text = tolk::fuzz::TextOf(data, size);
    const std::optional<std::int32_t> value = tolk::IntegerFromText(text);
    Require(value == ExpectedValue(text));
    if (value) {
        Require(tolk::StrictInteger(text) == *value);
        return 0;
    }
    try {
        tolk::StrictInteger(text);
        Require(false);
    } catch (const tolk::TolkError& error) {
        // The message is read as a C string, which ends at a NUL of the text.
        const std::string expected = "'" + text + "' is not a valid integer value";
        Require(std::strcmp(error.what(), expected.c_str()) == 0);
    }
    return 0;
}
