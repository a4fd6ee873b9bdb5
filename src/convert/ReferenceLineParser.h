#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tolk {

/// Where a reference list file keeps its names: lines starting with the marker letter hold a
/// name at the positions first to last (counted from 1).
struct ReferenceFormat {
    char marker;
    std::size_t first;
    std::size_t last;
};

/// "DATUMS.TXT": datum lines start with "M", the name stands at positions 5 to 24.
inline constexpr ReferenceFormat DatumLineFormat{'M', 5, 24};
/// "GRIDS.TXT": grid lines start with "U", the name stands at positions 3 to 22.
inline constexpr ReferenceFormat GridLineFormat{'U', 3, 22};

/// Splits the bytes of a reference list file into lines and hands on the name of every marked
/// line, trimmed of leading and trailing codes 32 and below. A carriage return ends a line and
/// swallows one line feed after it; a line feed on its own stays inside the line; code 26 ends
/// the file. The bytes may come in pieces of any size, and a line may be of any length: only the
/// name's positions are kept.
class ReferenceLineParser {
public:
    using NameSink = std::function<void(const std::string&)>;

    ReferenceLineParser(ReferenceFormat format, NameSink onName);

    /// Takes the next bytes. Returns false once code 26 has ended the file; later bytes are
    /// ignored.
    bool Feed(std::string_view bytes);
    /// The end of the bytes: a last line without a line end counts as a line.
    void Finish();

private:
    void Take(char c);
    void EndLine();

    ReferenceFormat m_format;
    NameSink m_onName;
    std::size_t m_position = 0;
    bool m_markedLine = false;
    bool m_afterCarriageReturn = false;
    bool m_ended = false;
    std::string m_name;
};

} // namespace tolk
