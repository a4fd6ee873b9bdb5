#include "host/formats/ContentType.h"

namespace tolk {
namespace {

struct XmlRoot {
    std::string_view element;
    ContentType content;
};

const XmlRoot XmlRoots[] = {
    {"gpx", {"gpx", "GPX"}},
    {"kml", {"kml", "KML"}},
    {"TrainingCenterDatabase", {"tcx", "TCX"}},
    {"loc", {"loc", "LOC"}},
};

struct Signature {
    std::string_view bytes;
    ContentType content;
};

const Signature Signatures[] = {
    {std::string_view("MsRcf\0", 6), {"gdb", "a .gdb file"}},
    {std::string_view("\0\0\x27\x0a", 4), {"shp", "a shapefile"}},
};

// The root element's name without a namespace prefix; empty when the text is not XML.
std::string_view RootElement(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    while (true) {
        const std::size_t open = text.find_first_not_of(" \t\r\n");
        if (open == std::string_view::npos || text[open] != '<') {
            return {};
        }
        text.remove_prefix(open);
        // Declarations, processing instructions and comments come before the root.
        const std::string_view close = text.starts_with("<?")     ? "?>"
                                       : text.starts_with("<!--") ? "-->"
                                       : text.starts_with("<!")   ? ">"
                                                                  : "";
        if (close.empty()) {
            break;
        }
        const std::size_t end = text.find(close);
        if (end == std::string_view::npos) {
            return {};
        }
        text.remove_prefix(end + close.size());
    }
    const std::size_t nameEnd = text.find_first_of(" \t\r\n/>", 1);
    std::string_view name = text.substr(1, nameEnd == std::string_view::npos ? 0 : nameEnd - 1);
    const std::size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

} // namespace

std::optional<ContentType> TypeByContent(std::string_view bytes) {
    for (const Signature& signature : Signatures) {
        if (bytes.starts_with(signature.bytes)) {
            return signature.content;
        }
    }
    const std::string_view root = RootElement(bytes);
    for (const XmlRoot& known : XmlRoots) {
        if (root == known.element) {
            return known.content;
        }
    }
    return std::nullopt;
}

} // namespace tolk
