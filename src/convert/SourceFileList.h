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
    /// Shows the count texts: statusText in the status line, labelText above the list.
    virtual void ShowCounts(const std::string& statusText, const std::string& labelText) = 0;
};

/// The names of the files a conversion run works through, with one current entry or none (-1):
/// the regular, non-hidden files of the listed folder whose names end in "." + the source type,
/// in order without regard to case. Before the first refresh the listed folder is the working
/// directory at construction and the mask "*.txt"; the names are read when the list is first
/// shown or refreshed, and read anew only when a refresh changes the folder or the mask.
class SourceFileList {
public:
    SourceFileList();

    /// Attaches the display, which shows the list from then on; the first display reads the
    /// names if no refresh has yet. A folder that cannot be read then shows no names.
    void AttachView(FileListView* view);

    int Count() const { return static_cast<int>(m_names.size()); }
    const std::vector<std::string>& Names() const { return m_names; }
    /// The name at the index; throws "List index out of bounds (%d)" outside 0 to Count - 1.
    const std::string& NameAt(int index) const;
    int CurrentIndex() const { return m_current; }
    /// Makes the name at the index current; -1 clears it. Count keeps the last name current.
    void SetCurrentIndex(int index);

    /// Replaces the names (already in their order) and leaves no name current.
    void SetNames(std::vector<std::string> names);

    /// Points the list at the source folder (an empty one keeps the listed folder) and at the
    /// mask "*." + source type, reading the names anew when either changed, then makes the first
    /// name current and shows the count texts. A folder that cannot be entered throws IoError
    /// and changes nothing.
    void RefreshFileList(const std::string& sourceFolder, const std::string& sourceType);

    const std::string& ListedFolder() const { return m_folder; }
    const std::string& Mask() const { return m_mask; }

private:
    void ShowNames();

    std::vector<std::string> m_names;
    int m_current = -1;
    FileListView* m_view = nullptr;
    std::string m_folder;
    std::string m_mask = "*.txt";
    bool m_read = false;
};

} // namespace tolk
