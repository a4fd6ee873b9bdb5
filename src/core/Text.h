#pragma once

#include <string>

namespace tolk {

/// Upper case for datum and grid names: only the letters a to z change, whatever the locale.
std::string AsciiUpper(std::string text);

/// The program's one comparison without regard to case (file types, datum and grid names,
/// settings sections and keys): equal once ASCII letters are upper-cased.
bool SameAsciiCase(const std::string& a, const std::string& b);

} // namespace tolk
