#include "convert/MergeIndex.h"

#include "core/Text.h"

#include <filesystem>
#include <system_error>

namespace tolk {

namespace fs = std::filesystem;

MergeIndex::MergeIndex(const std::string& folder) {
    std::error_code ec;
    for (fs::directory_iterator entry(folder, ec), end; !ec && entry != end; entry.increment(ec)) {
        std::error_code statusError;
        const fs::file_status status = fs::status(entry->path(), statusError);
        if (statusError || !fs::exists(status) || fs::is_directory(status)) {
            continue;
        }
        const std::string name = entry->path().filename().string();
        m_names.insert(name);
        m_byUpper.insert(AsciiUpper(name));
    }
}

bool MergeIndex::Has(const std::string& name) const {
    return m_names.contains(name) || m_byUpper.count(AsciiUpper(name)) == 1;
}

} // namespace tolk
