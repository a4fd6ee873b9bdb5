#include "convert/HostConfig.h"

#include "convert/ReferenceFile.h"
#include "convert/ReferenceLists.h"

#include <vector>

namespace tolk {
namespace {

std::vector<std::string> NamesIn(const std::string& path, ReferenceFormat format) {
    std::vector<std::string> names;
    ReferenceFile file(path);
    file.ReadNames(format, [&names](const std::string& name) {
        if (!name.empty()) {
            names.push_back(name);
        }
    });
    return names;
}

} // namespace

GpsBabelConfig HostConfigFor(const std::string& exeFolder, const std::string& workFolder) {
    GpsBabelConfig config;
    config.workFolder = workFolder;
    config.datumNames = NamesIn(exeFolder + DatumFileName, DatumLineFormat);
    config.gridNames = NamesIn(exeFolder + GridFileName, GridLineFormat);
    return config;
}

} // namespace tolk
