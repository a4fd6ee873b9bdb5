#pragma once

#include "settings/Registry.h"

#include <string>
#include <vector>

namespace tolk {

/// The registry on Linux: settings files that hold the host's key (HostKeyPath). A file's own
/// path, ".../Orvane/TOLK.conf" or ".../tolkconv/TOLK.conf", already names the key, so its
/// values sit at the top level of the file; any other key path is refused. A root whose file
/// cannot be created or written counts as a key that cannot be opened for full access.
///
/// The machine-wide root is written to a record in the program's state folder, which the
/// package makes: that folder is never made here. What an administrator puts in the system's
/// configuration folders is read for the machine where the record holds no value of that name,
/// and is never written.
///
/// Text values are plain entries, and a plain entry is a text even where QSettings would read a
/// list (an unquoted comma): it is returned as the file's line holds it. A value the file holds
/// as a number or binary data keeps that type, so that a hand-made non-text entry is refused as
/// the original platform's registry refuses one.
class QSettingsRegistry : public Registry {
public:
    /// Full: keys are opened for full access, as the registry's contract says. LookUpOnly: a key
    /// is opened only when a file holding it exists, nothing is created and every write is
    /// refused, for commands that only answer a question.
    enum class Access { Full, LookUpOnly };

    /// userFile: this user's key, made with its folder when missing; machineFile: the
    /// machine-wide record; administratorFiles: read for the machine, in order, after the record.
    QSettingsRegistry(std::string userFile, std::string machineFile,
                      std::vector<std::string> administratorFiles = {},
                      Access access = Access::Full);

    /// The roots where this system keeps them: "~/.config/Orvane/TOLK.conf" for the user,
    /// "TOLK.conf" in the state folder for the machine ("/var/lib/tolkconv", or the folder the
    /// environment's TOLK_STATE_DIR names), read together with "Orvane/TOLK.conf" in each system
    /// configuration folder (XDG, by default "/etc/xdg").
    static QSettingsRegistry ForThisUser(Access access = Access::Full);

    std::unique_ptr<RegistryKey> OpenOrCreateKey(RegistryRoot root,
                                                 const std::string& path) override;

private:
    std::string m_userFile;
    std::string m_machineFile;
    std::vector<std::string> m_administratorFiles;
    Access m_access;
};

} // namespace tolk
