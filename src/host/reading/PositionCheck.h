#pragma once

#include "host/formats/RecordShape.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

/// A point's latitude and longitude as the GPX text gives them.
struct Position {
    double lat = 0;
    double lon = 0;
};

/// The "lat" and "lon" attributes of every point in the GPX text, NaN where one is not a number.
std::vector<Position> PositionsIn(const std::string& gpx);

/// How much of its file a read accounts for, from the GPX the engine wrote of it and the file's
/// records that carry a position (see PositionRecords).
struct ReadWeight {
    /// The positions are plausible, where the records say where they lie nine in ten points lie
    /// there, and where the file has more than three such records the points read are at least
    /// half of them: a reader that took a file of many records for one did not understand it.
    bool plausible = false;
    /// More than three points, every one on whole degrees: columns that are not positions read
    /// as ones. Believable only where the file names its columns as positions and no other
    /// reader reads it plausibly.
    bool wholeDegrees = false;
    /// The points read as a share of the records, at most 1; 1 where the records are not known.
    double share = 1;
};

/// Weighs a read; `records` are the file's, none where they are not known.
ReadWeight WeighRead(const std::string& gpx, const std::optional<PositionRecordCount>& records);

/// A read accounts for the whole file: at least nine in ten of its records.
bool ReadsWholly(const ReadWeight& weight);

/// Judges the "lat" and "lon" attributes of every point in the GPX text.
Plausibility CheckPositions(const std::string& gpx);

/// The number of points in the GPX text: of two believable reads, the one that found more
/// understood more of the file (a reader that skips a header row it expects also skips data).
long PositionCount(const std::string& gpx);

} // namespace tolk
