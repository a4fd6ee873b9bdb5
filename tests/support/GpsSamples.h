#pragma once

namespace tolk::testing {

/// A waypoint at Greenwich, a two-point track "Walk" in Bern and a two-point route "Way".
inline constexpr const char* SampleGpx =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gpx version=\"1.1\" creator=\"tolk tests\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
    " <wpt lat=\"51.477928\" lon=\"-0.001545\"><name>Greenwich</name></wpt>\n"
    " <trk><name>Walk</name><trkseg>\n"
    "  <trkpt lat=\"46.948000\" lon=\"7.447400\"/><trkpt lat=\"46.949000\" lon=\"7.448000\"/>\n"
    " </trkseg></trk>\n"
    " <rte><name>Way</name>\n"
    "  <rtept lat=\"47.000000\" lon=\"8.000000\"><name>R1</name></rtept>\n"
    "  <rtept lat=\"47.100000\" lon=\"8.100000\"><name>R2</name></rtept>\n"
    " </rte>\n"
    "</gpx>\n";

/// One placemark "Summit".
inline constexpr const char* SampleKml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document>\n"
    " <Placemark><name>Summit</name>\n"
    "  <Point><coordinates>10.500000,46.250000,0</coordinates></Point>\n"
    " </Placemark>\n"
    "</Document></kml>\n";

/// One waypoint "Mill" as comma separated latitude, longitude and name.
inline constexpr const char* SampleCsv = "47.100000, 8.200000, Mill\n";

/// A GPX file cut off in the middle of its first waypoint.
inline constexpr const char* CorruptGpx = "<?xml version=\"1.0\"?>\n<gpx><wpt lat=\"1\" lon=";

} // namespace tolk::testing
