#pragma once

#include <array>
#include <string_view>

namespace tolk {

/// The source types in their fixed order; list positions map back to table positions by it,
/// so the order is not alphabetical ("axe" stands before "arf").
inline constexpr std::array<std::string_view, 94> FileTypeTable = {
    "txt", "adb", "adf", "adm", "aef",    "ai",  "an1",  "asc", "axe", "arf", // 1-10
    "bin", "cfg", "cor", "cra", "crs",    "csv", "dat",  "dbf", "dfl", "dmt", // 11-20
    "dxf", "est", "fil", "fpi", "fsh",    "gac", "gdb",  "gpi", "gpl", "gps", // 21-30
    "gpx", "gsd", "gxf", "g7t", "hst",    "htm", "html", "hwr", "igc", "igf", // 31-40
    "ikt", "isr", "kml", "kmz", "krf",    "ktf", "kwf",  "loc", "log", "map", // 41-50
    "mcd", "mif", "mmo", "mps", "mrk",    "mxf", "muq",  "nob", "ov2", "ovl", // 51-60
    "pdb", "plt", "ptf", "ptm", "result", "rdn", "rou",  "rrf", "rt3", "rte", // 61-70
    "rwf", "rxf", "sa7", "sa8", "sa9",    "saf", "shp",  "sp1", "srw", "tab", // 71-80
    "tcx", "trk", "trl", "trp", "ttm",    "txf", "udb",  "upt", "usr", "way", // 81-90
    "wp",  "wpt", "xml", "000",                                               // 91-94
};

/// The target types in their fixed order.
inline constexpr std::array<std::string_view, 51> TargetTypeTable = {
    "txt", "adm", "aef", "ai",  "an1", "arf", "asc", "bin", "bln", "crs", // 1-10
    "csv", "dat", "dbf", "dxf", "fsh", "gdb", "gpl", "gps", "gpx", "gtr", // 11-20
    "hst", "hwr", "kml", "kmz", "krf", "ktf", "kwf", "log", "map", "mif", // 21-30
    "mrk", "mxf", "ov2", "pdb", "plt", "ptf", "rdn", "rou", "rte", "rxf", // 31-40
    "rwf", "shp", "tcx", "trk", "trl", "txf", "way", "wpt", "upt", "usr", // 41-50
    "xml",                                                                // 51
};

} // namespace tolk
