#pragma once

#include <cstdio>
#include <string>

namespace tolk::bench {

/// Prints one row of the table that bench/run shows: what was measured, our figure, the
/// reference's figure and how many times the reference's time ours took.
inline void PrintTableRow(const std::string& what, const std::string& ours,
                          const std::string& reference, double ratio) {
    std::printf("| %s | %s | %s | %.2f |\n", what.c_str(), ours.c_str(), reference.c_str(), ratio);
}

/// A time in milliseconds as the table shows it.
inline std::string Milliseconds(double milliseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f ms", milliseconds);
    return text;
}

} // namespace tolk::bench
