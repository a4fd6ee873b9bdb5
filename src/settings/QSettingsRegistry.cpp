#include "settings/QSettingsRegistry.h"

#include "core/Text.h"
#include "settings/ProfileStrings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

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

class SettingsFileKey : public RegistryKey {
public:
    explicit SettingsFileKey(const QString& file)
        : m_file(file.toStdString()), m_settings(file, QSettings::NativeFormat) {}

    std::optional<RegistryValueInfo> QueryValue(const std::string& name) override {
        if (!m_settings.contains(QString::fromStdString(name))) {
            return std::nullopt;
        }
        const RegistryValue value = *ReadValue(name);
        return RegistryValueInfo{value.type, value.data.size()};
    }

    std::optional<RegistryValue> ReadValue(const std::string& name) override {
        const QVariant value = m_settings.value(QString::fromStdString(name));
        // QSettings reads an unquoted value with a comma as a list. Typed by hand, such a value
        // is a text, a folder like "/data/a, b": it is taken as its line holds it.
        if (value.typeId() == QMetaType::QStringList) {
            return RegistryValue{RegistryType::Text,
                                 ReadProfileString(TopLevelSection, name, "", m_file)};
        }
        return RegistryValue{TypeOf(value), value.toString().toStdString()};
    }

    bool WriteText(const std::string& name, const std::string& text) override {
        m_settings.setValue(QString::fromStdString(name), QString::fromStdString(text));
        m_settings.sync();
        // A format error only says that part of the file could not be read; the write itself
        // went through.
        return m_settings.status() != QSettings::AccessError;
    }

private:
    std::string m_file;
    QSettings m_settings;
};

// Full access means the file can be written. Opening it for writing creates it when it is
// missing, just as opening a missing key creates it.
bool OpenForFullAccess(const QString& file) {
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        return false;
    }
    QFile probe(file);
    return probe.open(QIODevice::ReadWrite);
}

// The XDG rule: the first folder of XDG_CONFIG_DIRS, or "/etc/xdg" when it names none.
QString SystemConfigFolder() {
    const QStringList folders =
        qEnvironmentVariable("XDG_CONFIG_DIRS").split(u':', Qt::SkipEmptyParts);
    return folders.isEmpty() ? QStringLiteral("/etc/xdg") : folders.first();
}

} // namespace

QSettingsRegistry::QSettingsRegistry(std::string userFile, std::string machineFile)
    : m_userFile(std::move(userFile)), m_machineFile(std::move(machineFile)) {}

QSettingsRegistry QSettingsRegistry::ForThisUser() {
    const QString keyFile = QStringLiteral("/Orvane/TOLK.conf");
    return QSettingsRegistry(
        (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + keyFile)
            .toStdString(),
        (SystemConfigFolder() + keyFile).toStdString());
}

std::unique_ptr<RegistryKey> QSettingsRegistry::OpenOrCreateKey(RegistryRoot root,
                                                                const std::string& path) {
    if (AsciiUpper(path) != AsciiUpper(HostKeyPath)) {
        return nullptr;
    }
    const QString file =
        QString::fromStdString(root == RegistryRoot::CurrentUser ? m_userFile : m_machineFile);
    if (!OpenForFullAccess(file)) {
        return nullptr;
    }
    return std::make_unique<SettingsFileKey>(file);
}

} // namespace tolk
