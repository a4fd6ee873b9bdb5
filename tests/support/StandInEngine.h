#pragma once

#include <QByteArray>
#include <string>

namespace tolk::testing {

/// The path of the installed gpsbabel.
std::string InstalledEngine();

/// Writes a stand-in "gpsbabel" into the folder (made when missing): it answers the version and
/// format-list questions through the installed engine and runs the given shell commands on a
/// conversion, with the engine's arguments in "$@".
void WriteStandInEngine(const std::string& folder, const std::string& onConversion);

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
