#include "batch/ProgressLine.h"

#include "core/Translate.h"
namespace tolk {
namespace {

constexpr int BarWidth = 20;

std::string Clock(std::optional<std::chrono::seconds> left) {
    if (!left) {
        return "--:--";
    }
    const auto total = left->count();
    const auto minutes = std::to_string(total / 60);
    const auto seconds = std::to_string(total % 60);
    return minutes + ":" + (seconds.size() < 2 ? "0" : "") + seconds;
}

} // namespace

std::string ProgressLine(int done, int total, const std::string& current,
                         std::optional<std::chrono::seconds> left, int width) {
    const int filled = total > 0 ? done * BarWidth / total : BarWidth;
    std::string line = "[";
    line.append(static_cast<std::size_t>(filled), '#')
        .append(static_cast<std::size_t>(BarWidth - filled), '-')
        .append("] " + std::to_string(done) + "/" + std::to_string(total) + "  " +
                Tr("Batch", "%1 left", {Clock(left)}) + "  " + current);
    if (width > 0 && line.size() > static_cast<std::size_t>(width)) {
        auto cut = static_cast<std::size_t>(width);
        // Never inside a UTF-8 character: back off over its continuation bytes.
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        line.resize(cut);
    }
    return line;
}

std::optional<std::chrono::seconds> TimeLeft(int done, int total,
                                             std::chrono::steady_clock::duration elapsed) {
    if (done <= 0) {
        return std::nullopt;
    }
    return std::chrono::ceil<std::chrono::seconds>(elapsed * (total - done) / done);
}

} // namespace tolk
