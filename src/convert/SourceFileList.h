#pragma once

#include <string>
#include <vector>

namespace tolk {

/// Whatever displays the source file list; told of every change of names or current index.
class FileListView {
public:
    virtual ~FileListView() = default;
    virtual void ShowNames(const std::vector<std::string>& names) = 0;
    virtual void ShowCurrentIndex(int index) = 0;
};

/// The names of the files a conversion run works through, with one current entry or none (-1).
class SourceFileList {
public:
    void AttachView(FileListView* view);

    int Count() const { return static_cast<int>(m_names.size()); }
    /// The name at the index; throws "List index out of bounds (%d)" outside 0 to Count - 1.
    const std::string& NameAt(int index) const;
    int CurrentIndex() const { return m_current; }
    /// Makes the name at the index current; -1 clears it. Count keeps the last name current.
    void SetCurrentIndex(int index);

    /// Replaces the names (already in their order) and leaves no name current.
    void SetNames(std::vector<std::string> names);

private:
    std::vector<std::string> m_names;
    int m_current = -1;
    FileListView* m_view = nullptr;
};

} // namespace tolk
