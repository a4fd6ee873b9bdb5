#include "host/engine/WholeFile.h"

#include <fstream>
#include <iterator>

namespace tolk {

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace tolk
