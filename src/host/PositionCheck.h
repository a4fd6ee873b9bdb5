#pragma once

#include <string>

namespace tolk {

/// How believable the positions of a read are, judged from the GPX the engine wrote of it.
enum class Plausibility {
    Plausible,
    /// In range, but some points lie exactly at 0,0: a header line read as data, or a reader
    /// that does not find the positions. Believable only when no other reader does better.
    SomeAtZero,
    /// No points, a coordinate out of range, or most points with a coordinate exactly 0: the
    /// wrong reader.
    Implausible,
};

/// Judges the "lat" and "lon" attributes of every point in the GPX text.
Plausibility CheckPositions(const std::string& gpx);

/// The number of points in the GPX text: of two believable reads, the one that found more
/// understood more of the file (a reader that skips a header row it expects also skips data).
long PositionCount(const std::string& gpx);

} // namespace tolk
