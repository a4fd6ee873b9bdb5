#include "host/LeadingShape.h"

#include <fstream>

namespace tolk {
namespace {

constexpr std::streamsize LookedAtBytes = 128;

char ShapeOf(char byte) {
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z')) {
        return 'a';
    }
    return byte >= '0' && byte <= '9' ? '9' : byte;
}

} // namespace

std::string LeadingShape(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string bytes(LookedAtBytes, '\0');
    file.read(bytes.data(), LookedAtBytes);
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    std::string shape;
    for (char byte : bytes.substr(0, bytes.find('\n'))) {
        if (shape.empty() || shape.back() != ShapeOf(byte)) {
            shape.push_back(ShapeOf(byte));
        }
    }
    return shape;
}

} // namespace tolk
