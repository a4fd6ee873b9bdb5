#include "convert/UpToDate.h"

#include "convert/BaseName.h"
#include "convert/FileConversion.h"

#include <optional>
#include <sys/stat.h>
#include <utility>

namespace tolk {
namespace {

using Time = std::pair<std::int64_t, long>;

std::optional<Time> LastWritten(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return Time{status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
}

} // namespace

bool IsUpToDate(const ConversionSettings& settings, const std::string& fileName,
                const MergeIndex& merges) {
    const std::optional<Time> target = LastWritten(TargetPathOf(settings, fileName));
    const std::optional<Time> source = LastWritten(settings.SourceFldr + "/" + fileName);
    if (!target || !source || *target <= *source) {
        return false;
    }
    if (settings.MergeExt.empty()) {
        return true;
    }
    // A partner that is missing merges nothing; one that appeared since must be merged.
    const std::optional<std::string> partner =
        merges.Find(BaseName(fileName) + "." + settings.MergeExt);
    const std::optional<Time> merged =
        partner ? LastWritten(settings.SourceFldr + "/" + *partner) : std::nullopt;
    return !merged || *target > *merged;
}

std::vector<std::string> NotUpToDate(const ConversionSettings& settings,
                                     const std::vector<std::string>& names) {
    const MergeIndex merges =
        settings.MergeExt.empty() ? MergeIndex() : MergeIndex(settings.SourceFldr);
    std::vector<std::string> due;
    for (const std::string& name : names) {
        if (!IsUpToDate(settings, name, merges)) {
            due.push_back(name);
        }
    }
    return due;
}

} // namespace tolk
