#include "MemoryRegistry.h"

namespace tolk::testing {

class MemoryKey : public RegistryKey {
public:
    MemoryKey(MemoryRegistry& registry, RegistryRoot root, MemoryRegistry::Values& values)
        : m_registry(registry), m_root(root), m_values(values) {
        ++m_registry.m_openKeys;
    }
    ~MemoryKey() override { --m_registry.m_openKeys; }

    std::optional<RegistryValueInfo> QueryValue(const std::string& name) override {
        const auto found = m_values.find(name);
        if (found == m_values.end()) {
            return std::nullopt;
        }
        return RegistryValueInfo{found->second.type, found->second.data.size()};
    }

    std::optional<RegistryValue> ReadValue(const std::string& name) override {
        const auto found = m_values.find(name);
        if (found == m_values.end() || m_registry.unreadableValues.count(name) != 0) {
            return std::nullopt;
        }
        return found->second;
    }

    bool WriteText(const std::string& name, const std::string& text) override {
        if (m_registry.refusedWrites.count(name) != 0) {
            return false;
        }
        m_registry.writes.push_back(
            (m_root == RegistryRoot::CurrentUser ? "CurrentUser " : "LocalMachine ") + name + "=" +
            text);
        m_values[name] = {RegistryType::Text, text};
        return true;
    }

private:
    MemoryRegistry& m_registry;
    RegistryRoot m_root;
    MemoryRegistry::Values& m_values;
};

std::unique_ptr<RegistryKey> MemoryRegistry::OpenOrCreateKey(RegistryRoot root,
                                                             const std::string& path) {
    if (refusedRoots.count(root) != 0) {
        return nullptr;
    }
    return std::make_unique<MemoryKey>(*this, root, m_keys[{root, path}]);
}

void MemoryRegistry::Set(RegistryRoot root, const std::string& key, const std::string& name,
                         RegistryValue value) {
    m_keys[{root, key}][name] = std::move(value);
}

std::optional<RegistryValue> MemoryRegistry::Find(RegistryRoot root, const std::string& key,
                                                  const std::string& name) const {
    const auto values = m_keys.find({root, key});
    if (values == m_keys.end()) {
        return std::nullopt;
    }
    const auto found = values->second.find(name);
    if (found == values->second.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool MemoryRegistry::HasKey(RegistryRoot root, const std::string& key) const {
    return m_keys.count({root, key}) != 0;
}

} // namespace tolk::testing
