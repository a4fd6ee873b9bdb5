#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace tolk {

/// The host's own key, used under both roots.
inline constexpr const char* HostKeyPath = "Software\\Orvane\\TOLK";

/// The two roots the program reads and writes below.
enum class RegistryRoot { CurrentUser, LocalMachine };

/// How a stored value is typed. Only the two text types can be read as text.
enum class RegistryType { Text, ExpandableText, MultiText, Number, Binary };

/// A stored value: its type and its data exactly as stored (a text may hold NUL characters).
struct RegistryValue {
    RegistryType type = RegistryType::Text;
    std::string data;
};

/// What asking for a value tells before its data is read.
struct RegistryValueInfo {
    RegistryType type = RegistryType::Text;
    std::size_t size = 0; ///< bytes of data
};

/// One registry key, open for full access; it is closed when the object is destroyed.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    /// The value's type and size, or nothing when the key holds no value of that name.
    virtual std::optional<RegistryValueInfo> QueryValue(const std::string& name) = 0;

    /// The value's type and data, or nothing when its data cannot be read.
    virtual std::optional<RegistryValue> ReadValue(const std::string& name) = 0;

    /// Stores a text value (replacing any value of that name); false when the store refuses.
    virtual bool WriteText(const std::string& name, const std::string& text) = 0;
};

/// The platform's registry: keys below two roots, opened and closed per operation.
class Registry {
public:
    virtual ~Registry() = default;

    /// Opens the key below the root for full access, creating it when it is missing. Nothing
    /// when the key can be neither opened that way nor created (for example a machine-wide
    /// root that an ordinary user may not write).
    virtual std::unique_ptr<RegistryKey> OpenOrCreateKey(RegistryRoot root,
                                                         const std::string& path) = 0;
};

} // namespace tolk
