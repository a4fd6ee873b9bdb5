#pragma once

#include <QByteArray>
#include <string>
#include <vector>

namespace tolk::testing {

/// The path of the installed gpsbabel.
std::string InstalledEngine();

/// Writes a stand-in "gpsbabel" into the folder (made when missing): it answers the version and
/// format-list questions through the installed engine and runs the given shell commands on a
/// conversion, with the engine's arguments in "$@".
void WriteStandInEngine(const std::string& folder, const std::string& onConversion);

/// A fault of one file: shell commands run when the engine reaches it.
struct EngineFault {
    std::string file; ///< the file's name
    std::string commands;
};

/// Writes a stand-in "gpsbabel" that converts as the installed one does, but on reaching a file
/// of the faults (in a run of its own or among others) runs its commands first, once it has
/// converted the files before it in the same run.
void WriteFaultyEngine(const std::string& folder, const std::vector<EngineFault>& faults);

/// Sets PATH for its lifetime, so that the host finds the engine a test chose.
class EnginePath {
public:
    explicit EnginePath(const std::string& folders);
    ~EnginePath();
    EnginePath(const EnginePath&) = delete;
    EnginePath& operator=(const EnginePath&) = delete;

private:
    QByteArray m_oldPath;
};

} // namespace tolk::testing
