#pragma once

#include "host/HostLink.h"

#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// Lets the user choose the engine format for a file type the host finds none for.
class FormatPicker {
public:
    virtual ~FormatPicker() = default;

    /// Shows the prompt and the formats, each with its description, and waits until the user
    /// chooses one (its name) or cancels (nothing).
    virtual std::optional<std::string> Choose(const std::string& prompt,
                                              const std::vector<OfferedFormat>& formats) = 0;
};

} // namespace tolk
