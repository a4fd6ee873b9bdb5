#include "host/formats/WaypointNames.h"

#include <set>

namespace tolk {

bool WaypointNamesRepeat(const std::string& gpx) {
    std::set<std::string> names;
    for (std::size_t at = gpx.find("<wpt "); at != std::string::npos;
         at = gpx.find("<wpt ", at + 1)) {
        const std::size_t end = gpx.find("</wpt>", at);
        const std::size_t tagEnd = gpx.find('>', at);
        if (end == std::string::npos || tagEnd == std::string::npos || gpx[tagEnd - 1] == '/') {
            continue;
        }
        const std::size_t open = gpx.find("<name>", tagEnd);
        const std::size_t close = gpx.find("</name>", open);
        if (open == std::string::npos || close == std::string::npos || close > end) {
            continue;
        }
        if (!names.insert(gpx.substr(open + 6, close - open - 6)).second) {
            return true;
        }
    }
    return false;
}

} // namespace tolk
