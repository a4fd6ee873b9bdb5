#pragma once

#include <set>
#include <string>

namespace tolk {

/// The files of a source folder, read once per run, to find each file's merge partner without
/// probing the file system per file.
class MergeIndex {
public:
    /// No folder: every partner is missing.
    MergeIndex() = default;
    /// Reads the names of the files (not folders) in the folder; a folder that cannot be read
    /// gives none.
    explicit MergeIndex(const std::string& folder);

    /// Whether the named file is there: by its exact name, or as the one name that differs from
    /// it only in ASCII case (not when several do, which would leave the choice to chance).
    bool Has(const std::string& name) const;

private:
    std::set<std::string> m_names;
    /// Each name in upper case, as often as names stand for it.
    std::multiset<std::string> m_byUpper;
};

} // namespace tolk
