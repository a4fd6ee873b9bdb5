#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace tolk {

/// The progress bar's one line: "[#####-----] 12/200 name  0:42 left", cut to `width`
/// characters so that the terminal never wraps it (a wrapped line could not be redrawn).
/// Without an estimate yet, the time reads "--:--".
std::string ProgressLine(int done, int total, const std::string& current,
                         std::optional<std::chrono::seconds> left, int width);

/// The time the files still to do will take, going on as the done ones went; none before the
/// first file is done.
std::optional<std::chrono::seconds> TimeLeft(int done, int total,
                                             std::chrono::steady_clock::duration elapsed);

} // namespace tolk
