#include "TempHome.h"

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
    // The machine-wide registry root lives in the first system configuration folder; a test
    // must never write the real one under /etc.
    qputenv("XDG_CONFIG_DIRS", (m_dir.path() + "/etc/xdg").toLocal8Bit());
}

TempHome::~TempHome() {
    qputenv("HOME", m_oldHome);
}

} // namespace tolk::testing
