#include "batch/CompletionValues.h"

#include "convert/FileTypes.h"
#include "convert/HostConfig.h"
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
    const GpsBabelConfig offered = HostConfigFor(exeFolder, {});
    if (list == "datums") {
        return Lines(offered.datumNames);
    }
    if (list == "grids") {
        return Lines(FixedGridNames) + Lines(offered.gridNames);
    }
    return {};
}

} // namespace tolk
