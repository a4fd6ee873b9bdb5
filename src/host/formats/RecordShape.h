#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tolk {

/// The kinds of line records a text file may hold, told by their shape whatever the file's name
/// and line ends (CR, LF or CRLF).
enum class RecordKind {
    None,
    Nmea,      ///< NMEA sentences of any talker ("$GPGGA,...", "$GNRMC,...", "$BDGSV,...")
    Sentences, ///< one maker's own sentences ("$P" and its three letters), as hand-helds log
    Igc,       ///< flight recorder records: an "A" record, then "H" and "B" records
    HeadedCsv, ///< a row of column names, then rows of as many separated values
};

/// What a file's records are, as far as their shape tells.
struct RecordShape {
    RecordKind kind = RecordKind::None;
    /// What names the records' readers: the kind's, and for Sentences the maker's tag ("$PABC").
    std::string signature;
    /// The file is lines of text records: printable characters but for a little noise, and no
    /// markup.
    bool text = false;
    /// The header row names position columns ("lat", "longitude", ...).
    bool positionsNamed = false;
};

/// The shape of the records in a file's first bytes (see LeadingBytes).
RecordShape ShapeOf(std::string_view bytes);

/// The records of a file that carry a position, and where those positions lie where the records
/// say it in a way the host reads too (sentences and flight records).
struct PositionRecordCount {
    std::int64_t records = 0;
    bool placed = false; ///< the bounds below hold
    double minLat = 90;
    double maxLat = -90;
    double minLon = 180;
    double maxLon = -180;
};

/// How many records of the text carry a position in the shape's way: NMEA and maker sentences
/// with a latitude and longitude that they do not call no fix (of the sentence type that has
/// most, so that one fix told by several sentences counts once), IGC "B" records, a headed CSV's
/// data rows; for text of no known kind its non-empty lines, the first left out when it holds no
/// digit (a header).
PositionRecordCount PositionRecords(std::string_view text, RecordKind kind);

/// PositionRecords of the file at `path`; beyond its first 64 MB estimated from them.
PositionRecordCount FilePositionRecords(const std::string& path, RecordKind kind);

} // namespace tolk
