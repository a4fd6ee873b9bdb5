#include "host/formats/RecordShape.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <vector>

namespace tolk {
namespace {

// Records are counted in at most this much of a file; beyond it they are estimated.
constexpr std::int64_t CountedBytes = 64LL * 1024 * 1024;

// Of the leading bytes, at most this share may be control bytes (other than tabs and line ends)
// for a file to count as text: logs captured from a serial line carry a little noise.
constexpr double NoiseShare = 0.05;

// Sentences must make at least this share of the leading lines for the file to be a log of
// them: a capture's other lines are noise, prompts or half sentences.
constexpr double SentenceShare = 1.0 / 3.0;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsUpperOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || IsDigit(c);
}

// Calls `line` for each non-empty line, whichever of CR, LF or CRLF ends it.
void ForEachLine(std::string_view text, const std::function<void(std::string_view)>& line) {
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view current = text.substr(0, end);
        if (!current.empty()) {
            line(current);
        }
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

std::vector<std::string_view> Fields(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    while (true) {
        const std::size_t end = line.find(separator);
        fields.push_back(line.substr(0, end));
        if (end == std::string_view::npos) {
            return fields;
        }
        line.remove_prefix(end + 1);
    }
}

// "4724.123" as a sentence writes a latitude (4 digits before the point) or a longitude (5).
bool DegreesMinutes(std::string_view field, std::size_t digits) {
    const std::size_t point = field.find('.');
    const std::string_view whole = field.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : field.substr(point + 1);
    return whole.size() == digits && std::ranges::all_of(whole, IsDigit) &&
           std::ranges::all_of(fraction, IsDigit);
}

struct Sentence {
    std::string_view tag; ///< what follows the "$" up to the first comma
    bool position = false;
    /// The sentence says its position is no fix (a recommended minimum or geographic position
    /// "V", a fix quality 0): a reader rightly leaves it out.
    bool noFix = false;
    double lat = 0;
    double lon = 0;
};

// A number written with a point whatever the locale; the caller has checked its digits.
double Number(std::string_view digits) {
    double value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

// "4724.123" with "N": 47 degrees and 24.123 minutes north.
double Degrees(std::string_view field, std::size_t digits, bool negative) {
    const double value =
        Number(field.substr(0, digits - 2)) + Number(field.substr(digits - 2)) / 60;
    return negative ? -value : value;
}

bool Proprietary(std::string_view tag) {
    return tag.front() == 'P';
}

bool NoFix(std::string_view tag, const std::vector<std::string_view>& fields) {
    if (Proprietary(tag) || tag.size() != 5) {
        return false;
    }
    const std::string_view type = tag.substr(2);
    const auto field = [&](std::size_t at) {
        return at < fields.size() ? fields[at] : std::string_view();
    };
    return (type == "RMC" && field(2) == "V") || (type == "GLL" && field(6) == "V") ||
           (type == "GGA" && field(6) == "0");
}

// The sentence a line holds, noise before its "$" allowed; an empty tag when there is none.
Sentence SentenceIn(std::string_view line) {
    const std::size_t dollar = line.find('$');
    if (dollar == std::string_view::npos) {
        return {};
    }
    line.remove_prefix(dollar + 1);
    line = line.substr(0, line.find('*'));
    const std::vector<std::string_view> fields = Fields(line, ',');
    const std::string_view tag = fields.front();
    if (tag.size() < 4 || tag.size() > 9 || fields.size() < 2 ||
        !std::ranges::all_of(tag, IsUpperOrDigit) || IsDigit(tag.front())) {
        return {};
    }
    Sentence sentence{tag, false, NoFix(tag, fields), 0, 0};
    for (std::size_t at = 1; at + 3 < fields.size() && !sentence.position; ++at) {
        sentence.position =
            DegreesMinutes(fields[at], 4) && (fields[at + 1] == "N" || fields[at + 1] == "S") &&
            DegreesMinutes(fields[at + 2], 5) && (fields[at + 3] == "E" || fields[at + 3] == "W");
        if (sentence.position) {
            sentence.lat = Degrees(fields[at], 4, fields[at + 1] == "S");
            sentence.lon = Degrees(fields[at + 2], 5, fields[at + 3] == "W");
        }
    }
    return sentence;
}

// "B" hhmmss ddmmmmm N/S dddmmmmm E/W: a flight recorder's fix.
bool IgcFix(std::string_view line) {
    constexpr std::string_view Shape = "B9999999999999N99999999E";
    if (line.size() < Shape.size()) {
        return false;
    }
    for (std::size_t at = 0; at < Shape.size(); ++at) {
        const char want = Shape[at];
        const char have = line[at];
        const bool fits = want == '9'   ? IsDigit(have)
                          : want == 'N' ? have == 'N' || have == 'S'
                          : want == 'E' ? have == 'E' || have == 'W'
                                        : have == want;
        if (!fits) {
            return false;
        }
    }
    return true;
}

// A flight record's position: degrees, then minutes in thousandths.
void IgcPlace(std::string_view line, double& lat, double& lon) {
    const auto number = [&](std::size_t at, std::size_t size) {
        return Number(line.substr(at, size));
    };
    lat = number(7, 2) + number(9, 5) / 60000.0;
    lon = number(15, 3) + number(18, 5) / 60000.0;
    lat = line[14] == 'S' ? -lat : lat;
    lon = line[23] == 'W' ? -lon : lon;
}

void Include(PositionRecordCount& count, double lat, double lon) {
    count.placed = true;
    count.minLat = std::min(count.minLat, lat);
    count.maxLat = std::max(count.maxLat, lat);
    count.minLon = std::min(count.minLon, lon);
    count.maxLon = std::max(count.maxLon, lon);
}

std::string_view Unquoted(std::string_view field) {
    while (!field.empty() && (field.front() == ' ' || field.front() == '"')) {
        field.remove_prefix(1);
    }
    while (!field.empty() && (field.back() == ' ' || field.back() == '"')) {
        field.remove_suffix(1);
    }
    return field;
}

bool NamesPosition(std::string_view field) {
    std::string name(Unquoted(field));
    std::ranges::transform(name, name.begin(), [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    static const std::array<std::string_view, 6> Names{"lat",  "latitude",  "lon",
                                                       "long", "longitude", "lng"};
    return std::ranges::find(Names, name) != Names.end();
}

// The separator of a header row: the one of comma, semicolon, tab and bar it holds most of.
char SeparatorOf(std::string_view header) {
    char best = 0;
    long most = 0;
    for (char separator : {',', ';', '\t', '|'}) {
        const long count = std::ranges::count(header, separator);
        if (count > most) {
            best = separator;
            most = count;
        }
    }
    return best;
}

bool IsName(std::string_view field) {
    const std::string_view name = Unquoted(field);
    const bool letters = std::ranges::any_of(
        name, [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
    return letters && !IsDigit(name.front()) && name.front() != '-';
}

bool IsText(std::string_view bytes) {
    const long control = std::ranges::count_if(bytes, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && c != '\t' && c != '\r' && c != '\n';
    });
    return !bytes.empty() && static_cast<double>(control) <= NoiseShare * bytes.size();
}

void ShapeAsSentences(std::string_view bytes, RecordShape& shape) {
    long lines = 0;
    long standard = 0;
    std::map<std::string_view, long> makers;
    ForEachLine(bytes, [&](std::string_view line) {
        ++lines;
        const Sentence sentence = SentenceIn(line);
        if (sentence.tag.empty()) {
            return;
        }
        if (Proprietary(sentence.tag)) {
            ++makers[sentence.tag.substr(0, 4)];
        } else if (sentence.tag.size() == 5) {
            ++standard;
        }
    });
    const auto maker =
        std::ranges::max_element(makers, {}, [](const auto& counted) { return counted.second; });
    const long proprietary = maker == makers.end() ? 0 : maker->second;
    const long sentences = std::max(standard, proprietary);
    if (sentences == 0 || static_cast<double>(sentences) < SentenceShare * lines) {
        return;
    }
    if (standard >= proprietary) {
        shape = {RecordKind::Nmea, "nmea", true, false};
    } else {
        shape = {RecordKind::Sentences, "$" + std::string(maker->first), true, false};
    }
}

void ShapeAsIgc(std::string_view bytes, RecordShape& shape) {
    std::vector<std::string_view> lines;
    ForEachLine(bytes, [&](std::string_view line) { lines.push_back(line); });
    if (lines.size() < 2 || lines.front().size() < 4 || lines.front().front() != 'A' ||
        !std::all_of(lines.front().begin() + 1, lines.front().begin() + 4, IsUpperOrDigit)) {
        return;
    }
    const bool records = std::ranges::any_of(
        lines, [](std::string_view line) { return IgcFix(line) || line.starts_with("HF"); });
    if (records) {
        shape = {RecordKind::Igc, "igc", true, false};
    }
}

void ShapeAsHeadedCsv(std::string_view bytes, RecordShape& shape) {
    std::vector<std::string_view> lines;
    ForEachLine(bytes, [&](std::string_view line) { lines.push_back(line); });
    if (lines.size() < 2) {
        return;
    }
    const char separator = SeparatorOf(lines.front());
    if (separator == 0) {
        return;
    }
    const std::vector<std::string_view> names = Fields(lines.front(), separator);
    const long columns = static_cast<long>(names.size());
    if (!std::ranges::all_of(names, IsName) ||
        std::ranges::count(lines[1], separator) + 1 != columns ||
        !std::ranges::any_of(lines[1], IsDigit)) {
        return;
    }
    shape = {RecordKind::HeadedCsv, "headed-csv", true, std::ranges::any_of(names, NamesPosition)};
}

} // namespace

RecordShape ShapeOf(std::string_view bytes) {
    RecordShape shape;
    ShapeAsSentences(bytes, shape);
    if (shape.kind == RecordKind::None && IsText(bytes)) {
        ShapeAsIgc(bytes, shape);
        if (shape.kind == RecordKind::None) {
            ShapeAsHeadedCsv(bytes, shape);
        }
        // Markup is text too, but not lines of records.
        const std::size_t first = bytes.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
        shape.text = first == std::string_view::npos || bytes[first] != '<';
    }
    return shape;
}

PositionRecordCount PositionRecords(std::string_view text, RecordKind kind) {
    PositionRecordCount count;
    std::map<std::string_view, std::int64_t> perType;
    bool first = true;
    ForEachLine(text, [&](std::string_view line) {
        switch (kind) {
        case RecordKind::Nmea:
        case RecordKind::Sentences: {
            const Sentence sentence = SentenceIn(line);
            if (sentence.position) {
                // Talkers differ, the fix is one: "$GPGGA" and "$GNGGA" are one type.
                const bool standard = !Proprietary(sentence.tag) && sentence.tag.size() == 5;
                perType[standard ? sentence.tag.substr(2) : sentence.tag] += sentence.noFix ? 0 : 1;
                Include(count, sentence.lat, sentence.lon);
            }
            break;
        }
        case RecordKind::Igc:
            if (IgcFix(line)) {
                ++count.records;
                double lat = 0;
                double lon = 0;
                IgcPlace(line, lat, lon);
                Include(count, lat, lon);
            }
            break;
        case RecordKind::HeadedCsv:
            count.records += first ? 0 : 1;
            break;
        case RecordKind::None:
            count.records += first && !std::ranges::any_of(line, IsDigit) ? 0 : 1;
            break;
        }
        first = false;
    });
    for (const auto& [type, records] : perType) {
        count.records = std::max(count.records, records);
    }
    return count;
}

PositionRecordCount FilePositionRecords(const std::string& path, RecordKind kind) {
    std::error_code error;
    const auto size = static_cast<std::int64_t>(std::filesystem::file_size(path, error));
    if (error) {
        return {};
    }
    std::ifstream file(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(std::min(size, CountedBytes)), '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    PositionRecordCount counted = PositionRecords(bytes, kind);
    if (!bytes.empty() && static_cast<std::int64_t>(bytes.size()) < size) {
        counted.records = static_cast<std::int64_t>(static_cast<double>(counted.records) *
                                                    static_cast<double>(size) /
                                                    static_cast<double>(bytes.size()));
    }
    return counted;
}

} // namespace tolk
