#include "convert/SourceFileList.h"

#include "TextFiles.h"
#include "convert/BaseName.h"
#include "convert/SourceFolder.h"
#include "core/TolkError.h"

#include <QTemporaryDir>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tolk {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class RecordingListView : public FileListView {
public:
    void ShowNames(const Names& shown) override { names = shown; }
    void ShowCurrentIndex(int index) override { current = index; }
    void ShowCounts(const std::string& statusText, const std::string& labelText) override {
        status = statusText;
        label = labelText;
    }

    Names names;
    int current = -2;
    std::string status = "statuslbl";
    std::string label = "File List";
};

class SourceFileListTest : public ::testing::Test {
protected:
    SourceFileListTest() { m_list.AttachView(&m_view); }

    std::string Path(const std::string& relative) const {
        return m_dir.path().toStdString() + "/" + relative;
    }
    void Touch(const std::string& relative) { testing::WriteTextFile(Path(relative), "x"); }
    void Folder(const std::string& relative) { fs::create_directories(Path(relative)); }
    Names Listed() const {
        Names names;
        for (int i = 0; i < m_list.Count(); ++i) {
            names.push_back(m_list.NameAt(i));
        }
        return names;
    }
    void ExpectRefreshFails(const std::string& folder, const std::string& text) {
        try {
            m_list.RefreshFileList(folder, "txt");
            ADD_FAILURE() << "no error for " << folder;
        } catch (const IoError& e) {
            EXPECT_EQ(std::string(e.what()), text) << folder;
        }
    }

    QTemporaryDir m_dir;
    RecordingListView m_view;
    SourceFileList m_list;
};

TEST_F(SourceFileListTest, ListsRegularVisibleFilesOfTheTypeInOrderWithTheFirstCurrent) {
    Folder("src/d.txt");
    for (const char* name :
         {"src/a.txt", "src/B.TXT", "src/old.txt.bak", "src/.e.txt", "src/tracktxt", "src/c.kml"}) {
        Touch(name);
    }
    m_list.RefreshFileList(Path("src"), "txt");
    EXPECT_EQ(Listed(), (Names{"a.txt", "B.TXT"}));
    EXPECT_EQ(m_list.CurrentIndex(), 0);
    EXPECT_EQ(m_view.names, (Names{"a.txt", "B.TXT"}));
    EXPECT_EQ(m_view.current, 0);
    EXPECT_EQ(m_view.status, "2 files to convert");
    EXPECT_EQ(m_view.label, "Number of files = 2");
}

TEST_F(SourceFileListTest, LinksCountAsWhatTheyPointToAndSpecialFilesAreLeftOut) {
    Folder("src/sub");
    Touch("src/real.dat");
    fs::create_symlink(Path("src/real.dat"), Path("src/link.txt"));
    fs::create_symlink(Path("src/missing"), Path("src/dangling.txt"));
    fs::create_symlink(Path("src/sub"), Path("src/folder.txt"));
    ASSERT_EQ(mkfifo(Path("src/pipe.txt").c_str(), 0600), 0);
    m_list.RefreshFileList(Path("src"), "txt");
    EXPECT_EQ(Listed(), (Names{"link.txt"}));
}

TEST_F(SourceFileListTest, AnEmptyTypeListsTheNamesWithoutADot) {
    Folder("src");
    for (const char* name : {"src/README", "src/a.txt", "src/trailing.", "src/Makefile"}) {
        Touch(name);
    }
    m_list.RefreshFileList(Path("src"), "");
    EXPECT_EQ(Listed(), (Names{"Makefile", "README"}));
    EXPECT_EQ(m_list.Mask(), "*.");
}

TEST_F(SourceFileListTest, EmptyResultHasNoCurrentNameAndZeroCounts) {
    Folder("src");
    Touch("src/a.kml");
    m_list.RefreshFileList(Path("src"), "txt");
    EXPECT_EQ(m_list.Count(), 0);
    EXPECT_EQ(m_list.CurrentIndex(), -1);
    EXPECT_EQ(m_view.status, "0 files to convert");
    EXPECT_EQ(m_view.label, "Number of files = 0");
}

TEST_F(SourceFileListTest, NamesAreOrderedWithoutRegardToCaseThenByTheirBytes) {
    Folder("src");
    for (const char* name : {"src/Gamma.txt", "src/beta.txt", "src/ab.txt", "src/aB.txt",
                             "src/alpha2.txt", "src/b.txt", "src/Ab.txt", "src/AB.txt"}) {
        Touch(name);
    }
    m_list.RefreshFileList(Path("src"), "txt");
    EXPECT_EQ(Listed(), (Names{"AB.txt", "Ab.txt", "aB.txt", "ab.txt", "alpha2.txt", "b.txt",
                               "beta.txt", "Gamma.txt"}));
}

// A folder of 100,000 files, every one of them of the type and in reverse order on the disk.
TEST_F(SourceFileListTest, AHundredThousandFilesAreListedInOrder) {
    constexpr int Files = 100000;
    Folder("src");
    for (int i = Files - 1; i >= 0; --i) {
        std::ofstream(Path("src/t" + std::to_string(1000000 + i) + (i % 2 ? ".txt" : ".TXT")));
    }
    m_list.RefreshFileList(Path("src"), "txt");
    ASSERT_EQ(m_list.Count(), Files);
    EXPECT_EQ(m_view.status, "100000 files to convert");
    for (int i = 0; i < Files; ++i) {
        ASSERT_EQ(BaseName(m_list.NameAt(i)), "t" + std::to_string(1000000 + i));
    }
}

TEST_F(SourceFileListTest, NamesAreReadAnewOnlyWhenTheFolderOrTheMaskChanges) {
    Folder("src");
    Touch("src/a.txt");
    Touch("src/b.txt");
    m_list.RefreshFileList(Path("src"), "txt");
    m_list.SetCurrentIndex(1);
    Touch("src/c.txt");

    // The same folder, however written, keeps the names but makes the first current again.
    m_list.RefreshFileList(Path("src/"), "txt");
    m_list.RefreshFileList(Path("src/../src"), "txt");
    EXPECT_EQ(Listed(), (Names{"a.txt", "b.txt"}));
    EXPECT_EQ(m_list.CurrentIndex(), 0);
    EXPECT_EQ(m_view.status, "2 files to convert");

    // A mask differing only in case is another mask.
    m_list.RefreshFileList(Path("src"), "TXT");
    EXPECT_EQ(Listed(), (Names{"a.txt", "b.txt", "c.txt"}));
    Touch("src/d.txt");
    m_list.RefreshFileList(Path("src"), "kml");
    m_list.RefreshFileList(Path("src"), "TXT");
    EXPECT_EQ(Listed(), (Names{"a.txt", "b.txt", "c.txt", "d.txt"}));
}

TEST_F(SourceFileListTest, FoldersWhoseNamesDifferOnlyInCaseAreDifferentFolders) {
    Folder("Data");
    Folder("data");
    Touch("Data/upper.txt");
    Touch("data/lower.txt");
    m_list.RefreshFileList(Path("Data"), "txt");
    m_list.RefreshFileList(Path("data"), "txt");
    EXPECT_EQ(Listed(), (Names{"lower.txt"}));
}

TEST_F(SourceFileListTest, AnEmptySourceFolderKeepsTheListedFolderWhileTheMaskFollowsTheType) {
    Folder("src");
    Touch("src/a.txt");
    Touch("src/b.kml");
    m_list.RefreshFileList(Path("src"), "txt");
    m_list.RefreshFileList("", "kml");
    EXPECT_EQ(Listed(), (Names{"b.kml"}));
    EXPECT_EQ(m_list.ListedFolder(), fs::canonical(Path("src")).string());
}

TEST_F(SourceFileListTest, BeforeAnyRefreshTheWorkingDirectoryIsShownWithTheTextMask) {
    Folder("cwd");
    Touch("cwd/here.txt");
    Touch("cwd/here.kml");
    const fs::path previous = fs::current_path();
    fs::current_path(Path("cwd"));
    SourceFileList list;
    fs::current_path(previous);
    RecordingListView view;
    list.AttachView(&view);
    EXPECT_EQ(view.names, (Names{"here.txt"}));
    EXPECT_EQ(list.Mask(), "*.txt");

    // An empty source folder and the same mask read nothing new.
    Touch("cwd/later.txt");
    list.RefreshFileList("", "txt");
    EXPECT_EQ(view.names, (Names{"here.txt"}));
    EXPECT_EQ(view.status, "1 files to convert");
    list.AttachView(nullptr);
}

TEST_F(SourceFileListTest, AFolderThatCannotBeEnteredChangesNothing) {
    Folder("src");
    Touch("src/a.txt");
    Touch("src/b.txt");
    m_list.RefreshFileList(Path("src"), "txt");
    m_list.SetCurrentIndex(1);
    m_view.status = "unchanged";

    ExpectRefreshFails(Path("gone"), "File not found");
    ExpectRefreshFails(Path("gone/deeper"), "File not found");
    ExpectRefreshFails(Path("gone/deeper/still"), "Invalid filename");
    ExpectRefreshFails(Path("src/a.txt"), "Invalid filename");
    ExpectRefreshFails(Path("src/a.txt/below"), "Invalid filename");
    ExpectRefreshFails("/" + std::string(5000, 'x'), "I/O error " + std::to_string(ENAMETOOLONG));

    EXPECT_EQ(Listed(), (Names{"a.txt", "b.txt"}));
    EXPECT_EQ(m_list.CurrentIndex(), 1);
    EXPECT_EQ(m_list.Mask(), "*.txt");
    EXPECT_EQ(m_view.status, "unchanged");
}

TEST(FolderErrorCodeTest, RefusedAccessAndExhaustedHandlesHaveTheirOwnTexts) {
    EXPECT_EQ(IoErrorText(FolderErrorCode("/x", EACCES)), "File access denied");
    EXPECT_EQ(IoErrorText(FolderErrorCode("/x", EPERM)), "File access denied");
    EXPECT_EQ(IoErrorText(FolderErrorCode("/x", EMFILE)), "Too many open files");
    EXPECT_EQ(IoErrorText(FolderErrorCode("/x", ELOOP)), "I/O error " + std::to_string(ELOOP));
    // The root is its own parent.
    EXPECT_EQ(FolderErrorCode("/gone-for-good", ENOENT), 2);
}

TEST(SourceFileListIndexTest, IndexesOutsideTheNamesFailAndCountKeepsTheLastNameCurrent) {
    SourceFileList list;
    list.SetNames({"a.txt", "b.txt"});
    EXPECT_EQ(list.CurrentIndex(), -1);
    try {
        list.NameAt(-1);
        ADD_FAILURE();
    } catch (const TolkError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
    }
    EXPECT_THROW(list.NameAt(2), TolkError);
    list.SetCurrentIndex(2);
    EXPECT_EQ(list.CurrentIndex(), 1);
    list.SetCurrentIndex(-1);
    EXPECT_EQ(list.CurrentIndex(), -1);
}

} // namespace
} // namespace tolk
