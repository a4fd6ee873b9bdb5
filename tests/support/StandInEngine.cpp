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

EnginePath::EnginePath(const std::string& folders) : m_oldPath(qgetenv("PATH")) {
    qputenv("PATH", folders.c_str());
}

EnginePath::~EnginePath() {
    qputenv("PATH", m_oldPath);
}

} // namespace tolk::testing
