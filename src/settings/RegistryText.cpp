#include "settings/RegistryText.h"

#include "core/TolkError.h"
#include "core/Translate.h"

namespace tolk {
namespace {

std::string ReadText(RegistryKey& key, const std::string& name) {
    const std::optional<RegistryValueInfo> info = key.QueryValue(name);
    if (!info || info->size == 0) {
        return {};
    }
    const std::optional<RegistryValue> value = key.ReadValue(name);
    if (!value) {
        throw TolkError(Tr("Settings", "Failed to get data for '%1'", {name}));
    }
    if (value->type != RegistryType::Text && value->type != RegistryType::ExpandableText) {
        throw TolkError(Tr("Settings", "Invalid data type for '%1'", {name}));
    }
    return value->data.substr(0, value->data.find('\0'));
}

} // namespace

std::string RegReadString(Registry& registry, RegistryRoot root, const std::string& key,
                          const std::string& name) {
    const std::unique_ptr<RegistryKey> opened = registry.OpenOrCreateKey(root, key);
    if (!opened) {
        return {};
    }
    return ReadText(*opened, name);
}

void RegWriteStringIfChanged(Registry& registry, RegistryRoot root, const std::string& key,
                             const std::string& name, const std::string& text) {
    const std::unique_ptr<RegistryKey> opened = registry.OpenOrCreateKey(root, key);
    if (!opened) {
        return;
    }
    if (ReadText(*opened, name) != text && !opened->WriteText(name, text)) {
        throw TolkError(Tr("Settings", "Failed to set data for '%1'", {name}));
    }
}

} // namespace tolk
