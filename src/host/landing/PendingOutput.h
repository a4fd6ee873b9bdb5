#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// An output that the engine writes into the hidden output folder inside the target's own folder
/// (see ShareOutputFolder) and that is moved into place only once it is complete, so that a
/// failed run never leaves a partial file nor destroys the file it was to replace. Some formats
/// write companion files named after the output with other extensions (a shapefile's ".shx" and
/// ".dbf"): every file the engine writes so moves with it, keeping its own extension; the output
/// folder holds only what is pending, so finding them means no look through a target folder of
/// many thousands of files. Whatever was not moved into place goes with the object.
class PendingOutput {
public:
    /// Takes a share of the output folder beside the target; Ready() tells whether that worked.
    /// seenFolder is the path through which the engine reaches the target's folder (a link to
    /// it); empty for the folder itself.
    explicit PendingOutput(const std::string& targetPath, const std::string& seenFolder = {});
    ~PendingOutput();
    PendingOutput(const PendingOutput&) = delete;
    PendingOutput& operator=(const PendingOutput&) = delete;

    bool Ready() const { return !m_folder.empty(); }
    /// Where the output is to go after all, once the run has shown which of several it is.
    void Retarget(const std::string& targetPath) { m_target = targetPath; }
    /// Where the output is to go.
    const std::filesystem::path& Target() const { return m_target; }
    /// Where the engine is to write.
    const std::string& TempPath() const { return m_tempPath; }
    /// The engine wrote something to the temporary file itself.
    bool HasContent() const;
    /// The room left on the target's file system for this process; none when it cannot be told.
    std::optional<std::uintmax_t> Room() const;
    /// How many bytes the engine wrote to the output and its companions.
    std::uintmax_t WrittenBytes() const;
    /// Moves every file written under the temporary name into place, replacing older ones (see
    /// CommitOutputs). A file
    /// that replaces another takes over its permissions; a new one gets those the user's umask
    /// leaves, as any program's new file would.
    bool Commit(const std::vector<std::string>& protectedPaths);

    struct Move {
        std::filesystem::path from;
        std::filesystem::path to;
    };
    /// The files to move into place, the output itself last.
    std::vector<Move> Moves() const;

private:
    friend bool CommitOutputs(const std::vector<PendingOutput*>& outputs,
                              const std::vector<std::string>& protectedPaths);
    std::vector<Move> WrittenFiles() const;

    std::filesystem::path m_target;
    std::filesystem::path m_seenFolder;
    std::filesystem::path m_folder;
    std::string m_stem;
    std::string m_tempPath;
    /// Everything written was moved into place: nothing is left to remove.
    bool m_moved = false;
};

/// Moves the files of every output into place, all or none: when one cannot be moved, those moved
/// before it are put back as they were. Moves nothing and fails when any of them would replace
/// one of the protected files. The first output, the one holding the target's own name, moves
/// last.
bool CommitOutputs(const std::vector<PendingOutput*>& outputs,
                   const std::vector<std::string>& protectedPaths);

/// Both paths name one existing file (through links or different spellings alike).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace tolk
