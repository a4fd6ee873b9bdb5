#include "convert/BaseName.h"

namespace tolk {

std::string BaseName(const std::string& fileName) {
    const auto dot = fileName.rfind('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

} // namespace tolk
