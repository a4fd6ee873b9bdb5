#include "batch/CompletionValues.h"

#include "convert/FileTypes.h"

namespace tolk {
namespace {

template <typename Names>
std::string Lines(const Names& names) {
    std::string lines;
    for (const auto& name : names) {
        lines.append(name).append("\n");
    }
    return lines;
}

} // namespace

std::string CompletionValues(const std::string& list) {
    if (list == "source-types") {
        return Lines(FileTypeTable);
    }
    if (list == "target-types") {
        return Lines(TargetTypeTable);
    }
    return {};
}

std::string DatumListing(const ReferenceData& offered) {
    return Lines(offered.Datums());
}

std::string GridListing(const ReferenceData& offered) {
    std::string lines;
    for (const GridEntry& grid : offered.Grids()) {
        if (!grid.keyword.empty()) {
            lines.append(grid.name).append("\n");
        }
    }
    return lines;
}

} // namespace tolk
