#pragma once

#include <string>

namespace tolk {

/// Whether two waypoints of the GPX text bear the same name. Some formats keep one waypoint of
/// each name, so such a file would lose waypoints in them.
bool WaypointNamesRepeat(const std::string& gpx);

} // namespace tolk
