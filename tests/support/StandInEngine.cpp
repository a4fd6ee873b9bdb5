#include "StandInEngine.h"

#include "TextFiles.h"

#include <QStandardPaths>
#include <filesystem>

namespace tolk::testing {
namespace {

// Looked up once, before any test changes PATH.
const std::string Installed =
    QStandardPaths::findExecutable(QStringLiteral("gpsbabel")).toStdString();

} // namespace

std::string InstalledEngine() {
    return Installed;
}

void WriteStandInEngine(const std::string& folder, const std::string& onConversion) {
    const std::string path = folder + "/gpsbabel";
    WriteTextFile(path, "#!/bin/sh\n"
                        "case \"$1\" in -V|-^3) exec '" +
                            InstalledEngine() + "' \"$@\";; esac\n" + onConversion + "\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

void WriteFaultyEngine(const std::string& folder, const std::vector<EngineFault>& faults) {
    // The arguments before a file's "-i format -f path" convert the files before it: they run
    // first ("at"), as a real engine gets through them before it reaches the file; "rest" goes on
    // from the file.
    std::string cases;
    for (const EngineFault& fault : faults) {
        cases += "    */'" + fault.file + "') at; " + fault.commands + "; rest;;\n";
    }
    const std::string path = folder + "/gpsbabel";
    WriteTextFile(path,
                  "#!/bin/bash\n"
                  "engine='" +
                      InstalledEngine() +
                      "'\n"
                      "case \"$1\" in -V|-^3) exec \"$engine\" \"$@\";; esac\n"
                      "args=(\"$@\"); flags=0\n"
                      "while [ $flags -lt ${#args[@]} ] && [ \"${args[flags]}\" != -i ]; do "
                      "flags=$((flags + 1)); done\n"
                      "at() { if [ $((i - 2)) -gt $flags ]; then \"$engine\" "
                      "\"${args[@]:0:i-2}\" || exit; fi; }\n"
                      "rest() { exec \"$engine\" \"${args[@]:0:flags}\" \"${args[@]:i-2}\"; }\n"
                      "for ((i = flags; i < ${#args[@]}; ++i)); do\n"
                      "  [ \"${args[i]}\" = -f ] || continue\n"
                      "  case \"${args[i+1]}\" in\n" +
                      cases +
                      "  esac\n"
                      "done\n"
                      "exec \"$engine\" \"$@\"\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

EnginePath::EnginePath(const std::string& folders) : m_oldPath(qgetenv("PATH")) {
    qputenv("PATH", folders.c_str());
}

EnginePath::~EnginePath() {
    qputenv("PATH", m_oldPath);
}

} // namespace tolk::testing
