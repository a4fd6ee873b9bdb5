#include "app/ScreenPlacement.h"

#include <algorithm>
#include <cstdint>

namespace tolk {
namespace {

// Saved bounds may hold any 32-bit values, so every sum and difference is taken in 64 bits; an
// area shared with a screen is never larger than the screen.
struct Span {
    std::int64_t from;
    std::int64_t to;

    std::int64_t Length() const { return std::max<std::int64_t>(to - from, 0); }
    std::int64_t Overlap(const Span& other) const {
        return Span{std::max(from, other.from), std::min(to, other.to)}.Length();
    }
    std::int64_t Gap(const Span& other) const {
        return std::max<std::int64_t>({other.from - to, from - other.to, 0});
    }
};

Span Across(const WindowBounds& bounds) {
    return {bounds.Left, bounds.Right};
}
Span Down(const WindowBounds& bounds) {
    return {bounds.Top, bounds.Bottom};
}

std::int64_t SharedArea(const WindowBounds& a, const WindowBounds& b) {
    return Across(a).Overlap(Across(b)) * Down(a).Overlap(Down(b));
}

// Measured along the axes: squares of 32-bit distances would not fit in 64 bits.
std::int64_t Distance(const WindowBounds& a, const WindowBounds& b) {
    return Across(a).Gap(Across(b)) + Down(a).Gap(Down(b));
}

// The screen the window lies on most; off every screen, the nearest one.
const WindowBounds& HomeArea(const WindowBounds& outer, const std::vector<WindowBounds>& areas) {
    return *std::ranges::min_element(areas, [&outer](const auto& a, const auto& b) {
        const std::int64_t sharedA = SharedArea(outer, a);
        const std::int64_t sharedB = SharedArea(outer, b);
        return sharedA != sharedB ? sharedA > sharedB : Distance(outer, a) < Distance(outer, b);
    });
}

// A side no longer than the area's, where it fits; a longer one becomes the area's.
Span CutTo(const Span& side, const Span& area) {
    return side.Length() > area.Length() ? area : Span{side.from, side.from + side.Length()};
}

// A side moved within the area's, as far as it fits, its start first.
Span MovedWithin(const Span& side, const Span& area) {
    const std::int64_t from = std::max(area.from, std::min(side.from, area.to - side.Length()));
    return {from, from + side.Length()};
}

WindowBounds Bounds(const Span& across, const Span& down) {
    return {static_cast<std::int32_t>(across.from), static_cast<std::int32_t>(down.from),
            static_cast<std::int32_t>(across.to), static_cast<std::int32_t>(down.to)};
}

} // namespace

WindowBounds PlaceOnScreens(const WindowBounds& outer, const std::vector<WindowBounds>& areas) {
    if (areas.empty()) {
        return outer;
    }
    const WindowBounds& home = HomeArea(outer, areas);
    const WindowBounds cut =
        Bounds(CutTo(Across(outer), Across(home)), CutTo(Down(outer), Down(home)));
    if (std::ranges::any_of(areas,
                            [&cut](const auto& area) { return SharedArea(cut, area) > 0; })) {
        return cut;
    }
    return Bounds(MovedWithin(Across(cut), Across(home)), MovedWithin(Down(cut), Down(home)));
}

} // namespace tolk
