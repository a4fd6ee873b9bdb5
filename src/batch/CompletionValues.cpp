#include "batch/CompletionValues.h"

#include "convert/FileTypes.h"
#include "convert/ReferenceLists.h"

#include <vector>

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

std::string CompletionValues(const std::string& list, const std::string& exeFolder) {
    if (list == "source-types") {
        return Lines(FileTypeTable);
    }
    if (list == "target-types") {
        return Lines(TargetTypeTable);
    }
    const ReferenceData offered = ReadReferenceData(exeFolder);
    if (list == "datums") {
        return Lines(offered.Datums());
    }
    if (list == "grids") {
        std::vector<std::string> names;
        for (const GridEntry& grid : offered.Grids()) {
            names.push_back(grid.name);
        }
        return Lines(names);
    }
    return {};
}

} // namespace tolk
