#pragma once

#include "settings/Registry.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tolk::testing {

/// A registry in memory that holds typed values, records every write, and can refuse a root,
/// the data of a value or a write.
class MemoryRegistry : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenOrCreateKey(RegistryRoot root,
                                                 const std::string& path) override;

    void Set(RegistryRoot root, const std::string& key, const std::string& name,
             RegistryValue value);
    /// The stored value, or nothing when the key or the value is missing.
    std::optional<RegistryValue> Find(RegistryRoot root, const std::string& key,
                                      const std::string& name) const;
    bool HasKey(RegistryRoot root, const std::string& key) const;
    /// Keys opened and not yet closed.
    int OpenKeys() const { return m_openKeys; }

    /// Roots whose keys cannot be opened for full access.
    std::set<RegistryRoot> refusedRoots;
    /// Value names that report their size but whose data cannot be read.
    std::set<std::string> unreadableValues;
    /// Value names whose writes are refused.
    std::set<std::string> refusedWrites;
    /// Every write in order, as "CurrentUser name=text" or "LocalMachine name=text".
    std::vector<std::string> writes;

private:
    friend class MemoryKey;
    using Values = std::map<std::string, RegistryValue>;
    std::map<std::pair<RegistryRoot, std::string>, Values> m_keys;
    int m_openKeys = 0;
};

} // namespace tolk::testing
