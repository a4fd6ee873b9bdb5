#include "host/formats/LeadingShape.h"

#include <fstream>

namespace tolk {
namespace {

constexpr std::streamsize ReadBytes = 4096;
constexpr std::size_t ShapedBytes = 128;

char ShapeOf(char byte) {
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z')) {
        return 'a';
    }
    return byte >= '0' && byte <= '9' ? '9' : byte;
}

} // namespace

std::string LeadingBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string bytes(ReadBytes, '\0');
    file.read(bytes.data(), ReadBytes);
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

std::string LeadingShape(std::string_view bytes) {
    const std::string_view line = bytes.substr(0, ShapedBytes);
    std::string shape;
    for (char byte : line.substr(0, line.find('\n'))) {
        if (shape.empty() || shape.back() != ShapeOf(byte)) {
            shape.push_back(ShapeOf(byte));
        }
    }
    return shape;
}

} // namespace tolk
