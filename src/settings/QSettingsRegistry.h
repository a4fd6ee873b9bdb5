#pragma once

#include "settings/Registry.h"

#include <string>

namespace tolk {

/// The registry on Linux: one settings file per root, each holding the host's key
/// (HostKeyPath). The file's own path, ".../Orvane/TOLK.conf", already names the key, so its
/// values sit at the top level of the file; any other key path is refused. A root whose file
/// cannot be created or written counts as a key that cannot be opened for full access.
///
/// Text values are plain entries, and a plain entry is a text even where QSettings would read a
/// list (an unquoted comma): it is returned as the file's line holds it. A value the file holds
/// as a number or binary data keeps that type, so that a hand-made non-text entry is refused as
/// the original platform's registry refuses one.
class QSettingsRegistry : public Registry {
public:
    QSettingsRegistry(std::string userFile, std::string machineFile);

    /// The roots where this user's desktop keeps them: "~/.config/Orvane/TOLK.conf" and, for
    /// the machine, "Orvane/TOLK.conf" in the first system configuration folder (XDG, by
    /// default "/etc/xdg").
    static QSettingsRegistry ForThisUser();

    std::unique_ptr<RegistryKey> OpenOrCreateKey(RegistryRoot root,
                                                 const std::string& path) override;

private:
    std::string m_userFile;
    std::string m_machineFile;
};

} // namespace tolk
