#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolk {

/// The file type a file's content plainly belongs to, whatever its name.
struct ContentType {
    std::string type;  ///< an offered file type, without the dot
    std::string holds; ///< what the content is, in words for the user ("KML")
};

/// The type by the file's first bytes: the root element of an XML file of a type whose files
/// are XML (gpx, kml, tcx, loc), or the signature a binary type's files begin with; none when
/// they tell nothing. `bytes` are the file's first ones (see LeadingBytes).
std::optional<ContentType> TypeByContent(std::string_view bytes);

} // namespace tolk
