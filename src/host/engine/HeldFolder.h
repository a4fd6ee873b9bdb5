#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tolk {

/// A folder this process made for its own files and holds while the object lives: an advisory
/// lock on the folder itself tells every other process that it is in use. Unlike a process
/// number, the lock cannot be mistaken: a process of another PID namespace (a container, a
/// sandbox) is seen by it, and it ends with its holder however the holder ends. The folder goes
/// with the object, with all it holds.
class HeldFolder {
public:
    /// Makes a folder in `parent` named `prefix` + six random characters and holds it; Made()
    /// tells whether that worked.
    HeldFolder(const std::filesystem::path& parent, const std::string& prefix);
    /// Makes a private folder in the temporary folder ($TMPDIR, else /tmp). The first of the
    /// process first removes the private folders there that no process holds any more.
    HeldFolder();
    ~HeldFolder();
    HeldFolder(const HeldFolder&) = delete;
    HeldFolder& operator=(const HeldFolder&) = delete;

    bool Made() const { return !m_path.empty(); }
    const std::filesystem::path& Path() const { return m_path; }
    /// The path of the file of that name in the folder; empty when the folder was not made.
    std::string File(const std::string& name) const;

private:
    std::filesystem::path m_path;
    int m_lock = -1;
};

/// Removes from `parent` the folders whose names start with `prefix` that no process holds: those
/// of processes that were killed or lost their machine. Folders held by a live process, of this
/// one too, stay, and so does a folder whose file system cannot tell (no lock can be taken).
void RemoveUnheldFolders(const std::filesystem::path& parent, std::string_view prefix);

/// Eight hexadecimal digits that tell this machine from others that may share a folder.
const std::string& MachineTag();

} // namespace tolk
