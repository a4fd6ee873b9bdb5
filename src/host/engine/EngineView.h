#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace tolk {

class HeldFolder;

/// The paths the engine is shown for one run. The engine takes its arguments as UTF-8 text, so a
/// path that is not valid UTF-8 would reach it mangled: such a file or folder is shown through a
/// link with a plain ASCII name in a private temporary folder, so that any name the file system
/// allows converts. Other paths pass as they are, at no cost. The links go with the object.
class EngineView {
public:
    EngineView();
    ~EngineView();
    EngineView(const EngineView&) = delete;
    EngineView& operator=(const EngineView&) = delete;

    /// A path through which the engine reads the file. Files beside it with the same name and
    /// other extensions are linked too, since some formats read companion files named that way.
    /// Empty when the link could not be made.
    std::string Source(const std::filesystem::path& file);
    /// A path through which the engine reaches the folder; empty when the link could not be made.
    std::string Folder(const std::filesystem::path& folder);
    /// A path in the private folder for a file of the host's own; empty when the folder could
    /// not be made.
    std::string Scratch(const std::string& name);

private:
    std::string PrivateFolder();
    std::string Link(const std::filesystem::path& target, const std::string& name);

    std::unique_ptr<HeldFolder> m_dir;
    int m_links = 0;
};

} // namespace tolk
