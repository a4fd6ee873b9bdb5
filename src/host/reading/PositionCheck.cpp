#include "host/reading/PositionCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tolk {
namespace {

// The value of the attribute that starts at `from` ("lat=\"...\""), or NaN when it is not one.
double AttributeValue(const std::string& gpx, std::size_t from) {
    const std::size_t quote = gpx.find('"', from);
    if (quote == std::string::npos) {
        return NAN;
    }
    const char* start = gpx.c_str() + quote + 1;
    char* end = nullptr;
    const double value = std::strtod(start, &end);
    return end == start || *end != '"' ? NAN : value;
}

// Thresholds, set from the table of real and made files in the tests: a wrong reader that took
// a log of 8 fixes for one record read 1 in 8; right readers read all, or all but the few
// sentences whose checksums fail.
constexpr std::int64_t RecordsForShare = 3;
constexpr double ShareNeeded = 0.5;
constexpr double WholeShare = 0.9;
// How far a point may lie outside the bounds of the records' positions: what rounding moves.
constexpr double PlaceMargin = 0.01;

bool InPlace(const std::vector<Position>& positions, const PositionRecordCount& records) {
    const auto inside = std::ranges::count_if(positions, [&](const Position& position) {
        return position.lat >= records.minLat - PlaceMargin &&
               position.lat <= records.maxLat + PlaceMargin &&
               position.lon >= records.minLon - PlaceMargin &&
               position.lon <= records.maxLon + PlaceMargin;
    });
    return static_cast<double>(inside) >= WholeShare * static_cast<double>(positions.size());
}

} // namespace

std::vector<Position> PositionsIn(const std::string& gpx) {
    std::vector<Position> positions;
    for (std::size_t at = gpx.find(" lat=\""); at != std::string::npos;
         at = gpx.find(" lat=\"", at + 1)) {
        const std::size_t lonAt = gpx.find(" lon=\"", at);
        positions.push_back({AttributeValue(gpx, at),
                             lonAt == std::string::npos ? NAN : AttributeValue(gpx, lonAt)});
    }
    return positions;
}

ReadWeight WeighRead(const std::string& gpx, const std::optional<PositionRecordCount>& records) {
    ReadWeight weight;
    const std::vector<Position> positions = PositionsIn(gpx);
    const auto points = static_cast<std::int64_t>(positions.size());
    const std::int64_t count = records ? records->records : 0;
    if (count > 0) {
        weight.share = std::min(1.0, static_cast<double>(points) / static_cast<double>(count));
    }
    const bool inProportion = count <= RecordsForShare || weight.share >= ShareNeeded;
    const bool inPlace = !records || !records->placed || InPlace(positions, *records);
    weight.plausible = inProportion && inPlace && CheckPositions(gpx) == Plausibility::Plausible;
    weight.wholeDegrees =
        points > RecordsForShare && std::ranges::all_of(positions, [](const Position& position) {
            return position.lat == std::trunc(position.lat) &&
                   position.lon == std::trunc(position.lon);
        });
    return weight;
}

bool ReadsWholly(const ReadWeight& weight) {
    return weight.plausible && weight.share >= WholeShare;
}

Plausibility CheckPositions(const std::string& gpx) {
    long points = 0;
    long atZero = 0;
    long onAxis = 0;
    for (const auto& [lat, lon] : PositionsIn(gpx)) {
        if (!(std::fabs(lat) <= 90.0 && std::fabs(lon) <= 180.0)) {
            return Plausibility::Implausible;
        }
        ++points;
        atZero += lat == 0.0 && lon == 0.0 ? 1 : 0;
        onAxis += lat == 0.0 || lon == 0.0 ? 1 : 0;
    }
    // Real positions rarely lie exactly on the equator or the prime meridian; noise decoded as
    // numbers gives many zeros.
    if (points == 0 || 2 * onAxis >= points) {
        return Plausibility::Implausible;
    }
    return atZero > 0 ? Plausibility::SomeAtZero : Plausibility::Plausible;
}

long PositionCount(const std::string& gpx) {
    return static_cast<long>(PositionsIn(gpx).size());
}

} // namespace tolk
