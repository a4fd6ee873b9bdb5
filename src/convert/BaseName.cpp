#include "convert/BaseName.h"

namespace tolk {

std::string BaseName(const std::string& fileName) {
    const auto dot = fileName.rfind('.');
    const auto slash = fileName.rfind('/');
    const bool inFileName = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return inFileName ? fileName.substr(0, dot) : fileName;
}

} // namespace tolk
