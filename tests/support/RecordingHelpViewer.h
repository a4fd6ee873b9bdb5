#pragma once

#include "app/HelpViewer.h"

#include <string>
#include <vector>

namespace tolk::testing {

/// A help viewer that only records its calls.
class RecordingHelpViewer : public HelpViewer {
public:
    struct Call {
        std::optional<std::string> file;
        HtmlHelpCommand command;
        std::uintptr_t data;

        bool operator==(const Call&) const = default;
    };

    void HtmlHelp(const std::optional<std::string>& file, HtmlHelpCommand command,
                  std::uintptr_t data) override {
        calls.push_back({file, command, data});
    }

    std::vector<Call> calls;
};

} // namespace tolk::testing
