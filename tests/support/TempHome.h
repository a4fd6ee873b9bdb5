#pragma once

#include <QByteArray>
#include <QTemporaryDir>
#include <string>

namespace tolk::testing {

/// A fresh, empty HOME (with its XDG folders unset, and the system configuration folder and the
/// machine-wide record's folder inside it) for one test; restores the old HOME after.
class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    std::string Path() const { return m_dir.path().toStdString(); }
    /// A path below the temporary HOME.
    std::string operator/(const std::string& relative) const { return Path() + "/" + relative; }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldHome;
};

} // namespace tolk::testing
