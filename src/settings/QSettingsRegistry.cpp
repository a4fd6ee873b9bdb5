#include "settings/QSettingsRegistry.h"

#include "core/Text.h"
#include "settings/ProfileStrings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

namespace tolk {
namespace {

// Where QSettings keeps the values that sit at the top level of its file.
const char* const TopLevelSection = "General";

RegistryType TypeOf(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return RegistryType::Text;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return RegistryType::Number;
    default:
        return RegistryType::Binary;
    }
}

// A value as the settings file holds it.
RegistryValue ValueIn(const QString& file, const std::string& name) {
    const QVariant value =
        QSettings(file, QSettings::NativeFormat).value(QString::fromStdString(name));
    // QSettings reads an unquoted value with a comma as a list. Typed by hand, such a value is a
    // text, a folder like "/data/a, b": it is taken as its line holds it.
    if (value.typeId() == QMetaType::QStringList) {
        return {RegistryType::Text,
                ReadProfileString(TopLevelSection, name, "", file.toStdString())};
    }
    return {TypeOf(value), value.toString().toStdString()};
}

class SettingsFileKey : public RegistryKey {
public:
    /// The key's own file first, then those read for a name it holds no value of.
    SettingsFileKey(QStringList files, bool writable)
        : m_files(std::move(files)), m_writable(writable) {}

    std::optional<RegistryValueInfo> QueryValue(const std::string& name) override {
        const std::optional<RegistryValue> value = ReadValue(name);
        if (!value) {
            return std::nullopt;
        }
        return RegistryValueInfo{value->type, value->data.size()};
    }

    std::optional<RegistryValue> ReadValue(const std::string& name) override {
        for (const QString& file : m_files) {
            if (QSettings(file, QSettings::NativeFormat).contains(QString::fromStdString(name))) {
                return ValueIn(file, name);
            }
        }
        return std::nullopt;
    }

    bool WriteText(const std::string& name, const std::string& text) override {
        if (!m_writable) {
            return false;
        }
        QSettings settings(m_files.front(), QSettings::NativeFormat);
        settings.setValue(QString::fromStdString(name), QString::fromStdString(text));
        settings.sync();
        // A format error only says that part of the file could not be read; the write itself
        // went through.
        return settings.status() != QSettings::AccessError;
    }

private:
    QStringList m_files;
    bool m_writable;
};

// Full access means the file can be written. Opening it for writing creates it when it is
// missing, just as opening a missing key creates it; its folder is made only where asked.
bool OpenForFullAccess(const QString& file, bool makeFolder) {
    if (makeFolder && !QDir().mkpath(QFileInfo(file).absolutePath())) {
        return false;
    }
    QFile probe(file);
    return probe.open(QIODevice::ReadWrite);
}

// The XDG rule: the folders of XDG_CONFIG_DIRS, or "/etc/xdg" when it names none.
QStringList SystemConfigFolders() {
    const QStringList folders =
        qEnvironmentVariable("XDG_CONFIG_DIRS").split(u':', Qt::SkipEmptyParts);
    return folders.isEmpty() ? QStringList{QStringLiteral("/etc/xdg")} : folders;
}

// The package makes the state folder; tests and staged trees name another one.
QString StateFolder() {
    const QString named = qEnvironmentVariable("TOLK_STATE_DIR");
    return named.isEmpty() ? QStringLiteral(TOLK_STATE_DIR) : named;
}

QStringList QStrings(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) {
        list.append(QString::fromStdString(text));
    }
    return list;
}

} // namespace

QSettingsRegistry::QSettingsRegistry(std::string userFile, std::string machineFile,
                                     std::vector<std::string> administratorFiles, Access access)
    : m_userFile(std::move(userFile)), m_machineFile(std::move(machineFile)),
      m_administratorFiles(std::move(administratorFiles)), m_access(access) {}

QSettingsRegistry QSettingsRegistry::ForThisUser(Access access) {
    const QString keyFile = QStringLiteral("/Orvane/TOLK.conf");
    std::vector<std::string> administratorFiles;
    for (const QString& folder : SystemConfigFolders()) {
        administratorFiles.push_back((folder + keyFile).toStdString());
    }
    return QSettingsRegistry(
        (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + keyFile)
            .toStdString(),
        (StateFolder() + QStringLiteral("/TOLK.conf")).toStdString(), std::move(administratorFiles),
        access);
}

std::unique_ptr<RegistryKey> QSettingsRegistry::OpenOrCreateKey(RegistryRoot root,
                                                                const std::string& path) {
    if (AsciiUpper(path) != AsciiUpper(HostKeyPath)) {
        return nullptr;
    }
    const bool forUser = root == RegistryRoot::CurrentUser;
    QStringList files{QString::fromStdString(forUser ? m_userFile : m_machineFile)};
    if (!forUser) {
        files += QStrings(m_administratorFiles);
    }
    if (m_access == Access::LookUpOnly) {
        const bool held = std::ranges::any_of(
            files, [](const QString& file) { return QFileInfo(file).isFile(); });
        return held ? std::make_unique<SettingsFileKey>(files, false) : nullptr;
    }
    if (!OpenForFullAccess(files.front(), forUser)) {
        return nullptr;
    }
    return std::make_unique<SettingsFileKey>(files, true);
}

} // namespace tolk
