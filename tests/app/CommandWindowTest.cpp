#include "CommandWindowTest.h"

#include <filesystem>
#include <fstream>

namespace tolk::testing {

std::string CommandWindowTest::MakeFolder(const std::string& name,
                                          const std::vector<std::string>& files) {
    const std::string folder = m_home / name;
    std::filesystem::create_directories(folder);
    for (const std::string& file : files) {
        std::ofstream(folder + "/" + file);
    }
    return folder;
}

} // namespace tolk::testing
