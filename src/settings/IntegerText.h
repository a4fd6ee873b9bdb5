#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tolk {

/// The value of an integer text: optional leading spaces, then either an optional "+" or "-"
/// with decimal digits, or "$" with hexadecimal digits of either case. The value must fit in a
/// signed 32-bit integer and nothing may follow the digits. Nothing for any other text.
std::optional<std::int32_t> IntegerFromText(const std::string& text);

/// As IntegerFromText, but a text that is not an integer throws "'<text>' is not a valid
/// integer value".
std::int32_t StrictInteger(const std::string& text);

} // namespace tolk
