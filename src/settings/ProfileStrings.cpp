// Our own profile functions: Qt's INI support escapes values and rewrites whole files in its
// own layout, whereas the settings file must read and write exactly as the original platform's
// profile functions do and keep every line it does not change.
#include "settings/ProfileStrings.h"

#include "core/Text.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>
#include <string_view>
#include <vector>

namespace tolk {
namespace {

using Lines = std::vector<std::string>;

// Some editors begin a UTF-8 file with a byte-order mark. It belongs to no line: left in, it
// would hide a section header on the first line.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string_view MarkOf(std::string_view content) {
    return content.starts_with(ByteOrderMark) ? ByteOrderMark : std::string_view();
}

std::string Trimmed(std::string_view text) {
    const char* const blanks = " \t\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

std::optional<std::string> SectionName(const std::string& line) {
    const std::string text = Trimmed(line);
    if (text.empty() || text.front() != '[') {
        return std::nullopt;
    }
    return Trimmed(std::string_view(text).substr(1, text.find(']') - 1));
}

struct Entry {
    std::string name;
    std::string value;
};

std::optional<Entry> EntryOf(const std::string& line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
        return std::nullopt;
    }
    const std::string_view text(line);
    return Entry{Trimmed(text.substr(0, equals)), Trimmed(text.substr(equals + 1))};
}

// The lines without their line feeds; a carriage return stays with its line.
Lines SplitLines(std::string_view content) {
    Lines lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = content.find('\n', start);
        if (end == std::string_view::npos) {
            lines.emplace_back(content.substr(start));
            break;
        }
        lines.emplace_back(content.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string Joined(const Lines& lines) {
    std::string content;
    for (const std::string& line : lines) {
        content += line + "\n";
    }
    return content;
}

// A section's header line and the end of its lines (the next header or the end of the file).
struct Span {
    std::size_t header;
    std::size_t end;
};

std::optional<Span> FindSection(const Lines& lines, const std::string& section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<std::string> name = SectionName(lines[i]);
        if (name && SameAsciiCase(*name, section)) {
            std::size_t end = i + 1;
            while (end < lines.size() && !SectionName(lines[end])) {
                ++end;
            }
            return Span{i, end};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const Lines& lines, Span span, const std::string& key) {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        const std::optional<Entry> entry = EntryOf(lines[i]);
        if (entry && SameAsciiCase(entry->name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

// A new key goes after the section's last non-blank line, so that blank lines keep
// separating it from the next section.
std::size_t InsertPoint(const Lines& lines, Span span) {
    std::size_t point = span.header + 1;
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        if (!Trimmed(lines[i]).empty()) {
            point = i + 1;
        }
    }
    return point;
}

std::string Unquoted(const std::string& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::optional<std::string> StoredValue(std::string_view content, const std::string& section,
                                       const std::string& key) {
    const Lines lines = SplitLines(content.substr(MarkOf(content).size()));
    const std::optional<Span> span = FindSection(lines, section);
    if (!span) {
        return std::nullopt;
    }
    const std::optional<std::size_t> index = FindKey(lines, *span, key);
    if (!index) {
        return std::nullopt;
    }
    return Unquoted(EntryOf(lines[*index])->value);
}

// The file's mark, if it has one, stays in front.
std::string WithValue(const std::string& content, const std::string& section,
                      const std::string& key, const std::string& value) {
    // New lines follow the file's own line ends.
    const std::string lineEnd = content.find("\r\n") != std::string::npos ? "\r" : "";
    const std::string entry = key + "=" + value + lineEnd;
    const std::string_view mark = MarkOf(content);
    Lines lines = SplitLines(std::string_view(content).substr(mark.size()));
    if (const std::optional<Span> span = FindSection(lines, section)) {
        if (const std::optional<std::size_t> index = FindKey(lines, *span, key)) {
            lines[*index] = entry;
        } else {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(InsertPoint(lines, *span)),
                         entry);
        }
    } else {
        lines.push_back("[" + section + "]" + lineEnd);
        lines.push_back(entry);
    }
    return std::string(mark) + Joined(lines);
}

std::optional<std::string> ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll().toStdString();
}

bool ReplaceFile(const QString& path, const std::string& content) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(content.data(), static_cast<qint64>(content.size())) ==
               static_cast<qint64>(content.size()) &&
           file.commit();
}

} // namespace

std::string ReadProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, const std::string& path) {
    return ProfileStringIn(ReadProfileFile(path), section, key, defaultValue);
}

std::optional<std::string> ReadProfileFile(const std::string& path) {
    return ReadFile(QString::fromStdString(path));
}

std::string ProfileStringIn(const std::optional<std::string>& content, const std::string& section,
                            const std::string& key, const std::string& defaultValue) {
    std::string value = defaultValue;
    if (content) {
        value = StoredValue(*content, section, key).value_or(defaultValue);
    }
    return value.substr(0, ProfileBufferSize - 1);
}

bool HasLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& path) {
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) {
        return false;
    }
    const QString file = QString::fromStdString(path);
    const bool exists = QFileInfo::exists(file);
    std::string content;
    if (exists) {
        const std::optional<std::string> stored = ReadFile(file);
        if (!stored) {
            return false;
        }
        content = *stored;
    }
    const std::string updated = WithValue(content, section, key, value);
    return (exists && updated == content) || ReplaceFile(file, updated);
}

} // namespace tolk
