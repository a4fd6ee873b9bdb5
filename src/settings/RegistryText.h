#pragma once

#include "settings/Registry.h"

#include <string>

namespace tolk {

/// The text of a value: empty when the key cannot be opened or created, when the value is
/// missing or has no data. Opening creates the key when it is missing. Throws "Invalid data
/// type for '<name>'" for a value that is not text and "Failed to get data for '<name>'" when
/// the data cannot be read. An expandable text is returned as stored; text ends at its first
/// NUL.
std::string RegReadString(Registry& registry, RegistryRoot root, const std::string& key,
                          const std::string& name);

/// Stores the text when it differs from the stored one (case matters). A root that cannot be
/// opened for full access is skipped without a word. Throws as RegReadString does for the
/// stored value, and "Failed to set data for '<name>'" when the write is refused.
void RegWriteStringIfChanged(Registry& registry, RegistryRoot root, const std::string& key,
                             const std::string& name, const std::string& text);

} // namespace tolk
