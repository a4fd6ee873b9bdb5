#include "TempHome.h"

#include <QDir>
#include <QtGlobal>

namespace tolk::testing {
namespace {

const char* const XdgVariables[] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME",   "XDG_DOCUMENTS_DIR",
                                    "XDG_CACHE_HOME",  "XDG_CONFIG_DIRS", "XDG_DATA_DIRS"};

} // namespace

TempHome::TempHome() : m_oldHome(qgetenv("HOME")) {
    qputenv("HOME", m_dir.path().toLocal8Bit());
    for (const char* name : XdgVariables) {
        qunsetenv(name);
    }
    // A test must never read the real system configuration under /etc nor write the real
    // machine-wide record; the record's folder is there, as the package makes it.
    qputenv("XDG_CONFIG_DIRS", (m_dir.path() + "/etc/xdg").toLocal8Bit());
    qputenv("TOLK_STATE_DIR", (m_dir.path() + "/var/lib/tolkconv").toLocal8Bit());
    QDir().mkpath(m_dir.path() + "/var/lib/tolkconv");
}

TempHome::~TempHome() {
    qputenv("HOME", m_oldHome);
}

} // namespace tolk::testing
