#include "host/PositionCheck.h"

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

} // namespace

Plausibility CheckPositions(const std::string& gpx) {
    long points = 0;
    long atZero = 0;
    long onAxis = 0;
    for (std::size_t at = gpx.find(" lat=\""); at != std::string::npos;
         at = gpx.find(" lat=\"", at + 1)) {
        const std::size_t lonAt = gpx.find(" lon=\"", at);
        const double lat = AttributeValue(gpx, at);
        const double lon = lonAt == std::string::npos ? NAN : AttributeValue(gpx, lonAt);
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
    long points = 0;
    for (std::size_t at = gpx.find(" lat=\""); at != std::string::npos;
         at = gpx.find(" lat=\"", at + 1)) {
        ++points;
    }
    return points;
}

} // namespace tolk
