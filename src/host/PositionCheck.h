#pragma once

#include <string>

namespace tolk {

/// How believable the positions of a read are, judged from the GPX the engine wrote of it.
enum class Plausibility {
    Plausible,
    /// In range, but some points lie exactly at 0,0: a header line read as data, or a reader
    /// that does not find the positions. Believable only when no other reader does better.
    SomeAtZero,
    /// No points, a coordinate out of range, or most points exactly at 0,0: the wrong reader.
    Implausible,
};

/// Judges the "lat" and "lon" attributes of every point in the GPX text.
Plausibility CheckPositions(const std::string& gpx);

} // namespace tolk
