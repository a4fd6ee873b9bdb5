#pragma once

#include <filesystem>
#include <memory>
#include <string>

class QTemporaryDir;

namespace tolk {

/// The paths the engine is shown for one run: links with plain ASCII names in a private
/// temporary folder, pointing at the user's files and folders. The engine takes its arguments as
/// text in the locale's encoding, so a file name that is not valid UTF-8 would reach it mangled;
/// through the links any name the file system allows converts. The links go with the object.
class EngineView {
public:
    EngineView();
    ~EngineView();
    EngineView(const EngineView&) = delete;
    EngineView& operator=(const EngineView&) = delete;

    bool Ready() const;
    /// A path through which the engine reads the file. Files beside it with the same name and
    /// other extensions are linked too, since some formats read companion files named that way.
    /// Empty when the link could not be made.
    std::string Source(const std::filesystem::path& file);
    /// A path through which the engine reaches the folder; empty when the link could not be made.
    std::string Folder(const std::filesystem::path& folder);
    /// A path of the private folder for a file of the host's own.
    std::string Scratch(const std::string& name) const;

private:
    std::string Link(const std::filesystem::path& target, const std::string& name);

    std::unique_ptr<QTemporaryDir> m_dir;
    int m_links = 0;
};

} // namespace tolk
