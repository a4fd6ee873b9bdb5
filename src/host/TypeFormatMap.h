#pragma once

#include "host/EngineFormat.h"
#include "host/FormatList.h"

#include <map>
#include <optional>
#include <string>

namespace tolk {

/// The engine format chosen for a file type, with any options the user gave it.
struct FormatChoice {
    EngineFormat format;
    std::string options; ///< "option=value" items separated by commas; empty for none
};

/// File type to engine format: the user's choices from "hostformats.ini" first, then the
/// engine's own format list. A user's choice naming a format the engine does not know maps the
/// type to none, so that a mistyped line shows as a failed conversion rather than being ignored.
class TypeFormatMap {
public:
    /// choices: type -> "format" or "format,options".
    TypeFormatMap(FormatList formats, std::map<std::string, std::string> choices);

    std::optional<FormatChoice> ForType(const std::string& type) const;
    /// The user's choice for the type from now on: "format" or "format,options".
    void Choose(const std::string& type, const std::string& choice) { m_choices[type] = choice; }
    const FormatList& Formats() const { return m_formats; }

private:
    FormatList m_formats;
    std::map<std::string, std::string> m_choices;
};

} // namespace tolk
