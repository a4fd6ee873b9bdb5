#pragma once

#include "host/formats/EngineFormat.h"
#include "host/formats/FormatList.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// The engine format chosen for a file type, with any options the user gave it.
struct FormatChoice {
    EngineFormat format;
    std::string options; ///< "option=value" items separated by commas; empty for none
};

/// File type to engine format: the user's choices from "hostformats.ini" first, then the
/// engine's own format list. A user's choice naming a format the engine does not know maps the
/// type to none, so that a mistyped line shows as a failed conversion rather than being ignored.
/// Types compare without regard to ASCII letter case, as a settings file may spell them either way.
class TypeFormatMap {
public:
    /// choices: type -> "format" or "format,options".
    TypeFormatMap(FormatList formats, std::map<std::string, std::string> choices);

    /// The format that writes the type.
    std::optional<FormatChoice> ForType(const std::string& type) const;
    /// The user's choice for the type from now on: "format" or "format,options".
    void Choose(const std::string& type, const std::string& choice);
    const FormatList& Formats() const { return m_formats; }
    /// The formats that may read the type, most likely first; the user's choice comes first and
    /// a format that reads nothing is left out.
    std::vector<FormatChoice> ReadersFor(const std::string& type) const;
    /// The user chose a format for the type that reads: it is then the one reader.
    bool ReaderNamed(const std::string& type) const;

private:
    /// The user's line for the type: none when there is no line, an empty format when the line
    /// names a format the engine does not know.
    std::optional<std::optional<FormatChoice>> UsersChoice(const std::string& type) const;

    FormatList m_formats;
    std::map<std::string, std::string> m_choices;
};

} // namespace tolk
