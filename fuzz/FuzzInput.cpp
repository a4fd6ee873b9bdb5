#include "FuzzInput.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace tolk::fuzz {

std::string ScratchFile(const std::string& text) {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("tolk-fuzz-" + std::to_string(getpid())))
            .string();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    return path;
}

} // namespace tolk::fuzz
