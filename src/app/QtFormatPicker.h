#pragma once

#include "app/FormatPicker.h"

namespace tolk {

/// The format picker as a modal dialog: the prompt above a list of "name - description" lines.
class QtFormatPicker : public FormatPicker {
public:
    std::optional<std::string> Choose(const std::string& prompt,
                                      const std::vector<OfferedFormat>& formats) override;
};

} // namespace tolk
