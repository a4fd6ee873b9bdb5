#pragma once

namespace tolk {

inline constexpr const char* ApplicationTitle = "TOLK Batch File Converter";
inline constexpr const char* HelpFileName = "tolkconv.qch";

} // namespace tolk
