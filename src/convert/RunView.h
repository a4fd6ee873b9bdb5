#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tolk {

/// The parts of the main window that a conversion run writes and reads.
class RunView {
public:
    virtual ~RunView() = default;

    /// Sets the status line and repaints it at once, so it shows while the host works.
    virtual void ShowStatus(const std::string& text) = 0;
    /// Writes a host result code, in decimal, into the result field.
    virtual void ShowResultCode(std::int32_t code) = 0;
    /// The target folder text if the user edited it since the last call; clears the mark.
    virtual std::optional<std::string> TakeEditedTargetFolder() = 0;
    /// Processes pending window messages, then shows the main window and brings it to the front.
    virtual void BringToFront() = 0;
};

} // namespace tolk
