#include "host/formats/EngineFormat.h"

#include <algorithm>

namespace tolk {

bool EngineFormat::ReadsAny() const {
    return std::ranges::any_of(AllDataKinds, [this](DataKind kind) { return Reads(kind); });
}

bool EngineFormat::WritesAny() const {
    return std::ranges::any_of(AllDataKinds, [this](DataKind kind) { return Writes(kind); });
}

int EngineFormat::AbilityCount() const {
    return static_cast<int>(std::ranges::count(reads, true) + std::ranges::count(writes, true));
}

bool EngineFormat::HasOption(const std::string& option) const {
    return std::ranges::find(options, option) != options.end();
}

} // namespace tolk
