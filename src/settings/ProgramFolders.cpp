#include "settings/ProgramFolders.h"

#include <filesystem>

namespace tolk {
namespace {

std::string FolderOf(const std::string& path) {
    return std::filesystem::path(path).parent_path().string();
}

} // namespace

void FindProgramFolders(const std::string& windowProgramPath, FolderDiscovery& discovery,
                        ProgramFolders& folders) {
    folders.ExeFolder = FolderOf(windowProgramPath) + "/";
    discovery.FindUserFolder(folders.UserFolder);
    folders.WorkFolder = discovery.FindWorkFolder(windowProgramPath, folders.ExeFolder);
}

void LookUpProgramFolders(const std::string& windowProgramPath, FolderDiscovery& discovery,
                          ProgramFolders& folders) {
    folders.ExeFolder = FolderOf(windowProgramPath) + "/";
    folders.UserFolder = discovery.UserFolderPath();
    folders.WorkFolder = discovery.LookUpWorkFolder(folders.ExeFolder);
}

std::string WindowProgramBeside(const std::string& exePath) {
    return FolderOf(exePath) + "/" + WindowProgramName;
}

} // namespace tolk
