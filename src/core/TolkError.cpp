#include "core/TolkError.h"

#include "core/Translate.h"

namespace tolk {

std::string IoErrorText(int code) {
    switch (code) {
    case 2:
        return Tr("Core", "File not found");
    case 3:
        return Tr("Core", "Invalid filename");
    case 4:
        return Tr("Core", "Too many open files");
    case 5:
        return Tr("Core", "File access denied");
    case 100:
        return Tr("Core", "Read beyond end of file");
    case 101:
        return Tr("Core", "Disk full");
    case 106:
        return Tr("Core", "Invalid numeric input");
    default:
        return Tr("Core", "I/O error %1", {std::to_string(code)});
    }
}

} // namespace tolk
