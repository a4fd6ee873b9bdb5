#pragma once

#include <string>

namespace tolk {

/// Upper case for datum and grid names: only the letters a to z change, whatever the locale.
std::string AsciiUpper(std::string text);

} // namespace tolk
