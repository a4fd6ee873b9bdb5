#include "core/DataFiles.h"

#include <filesystem>
#include <system_error>

namespace tolk {

std::string DataFilePath(const std::string& exeFolder, const std::string& name) {
    namespace fs = std::filesystem;
    std::error_code error;
    const std::string beside = exeFolder + name;
    if (fs::exists(beside, error)) {
        return beside;
    }
    const fs::path dataFolder = fs::path(exeFolder + TOLK_DATA_FROM_PROGRAM).lexically_normal();
    return fs::is_directory(dataFolder, error) ? (dataFolder / name).string() : beside;
}

} // namespace tolk
