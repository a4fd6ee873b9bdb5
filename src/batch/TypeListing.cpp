#include "batch/TypeListing.h"

#include "convert/FileTypes.h"
#include "core/Translate.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace tolk {
namespace {

std::string Joined(const std::vector<std::string>& formats) {
    std::string text;
    for (const std::string& format : formats) {
        text += (text.empty() ? "" : ",") + format;
    }
    return text.empty() ? "-" : text;
}

std::string Row(const std::string& type, const std::string& read, const std::string& write) {
    char row[160];
    std::snprintf(row, sizeof row, "%-8s %-24s %s\n", type.c_str(), read.c_str(), write.c_str());
    return row;
}

} // namespace

std::string TypeListing(const HostConnection& host) {
    std::set<std::string> types(FileTypeTable.begin(), FileTypeTable.end());
    types.insert(TargetTypeTable.begin(), TargetTypeTable.end());
    std::string listing =
        Row(Tr("Batch", "type"), Tr("Batch", "read with"), Tr("Batch", "write with"));
    for (const std::string& type : types) {
        listing += Row(type, Joined(host.FormatsFor(type, FormatUse::Read)),
                       Joined(host.FormatsFor(type, FormatUse::Write)));
    }
    return listing;
}

} // namespace tolk
