#include "convert/SourceTree.h"

#include "TextFiles.h"
#include "core/TolkError.h"

#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

namespace tolk {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class SourceTreeTest : public ::testing::Test {
protected:
    SourceTreeTest() {
        for (const char* name : {"b.gpx", "A/z.GPX", "A/b/c.gpx", "A/b/n.kml", "a-x/d.gpx",
                                 ".hidden/e.gpx", "out/f.gpx", "g.gpx/h.gpx"}) {
            testing::WriteTextFile(Path(name), "x");
        }
        fs::create_directory_symlink("..", Path("A/loop"));    // back up to the source folder
        fs::create_directory_symlink("A/b", Path("link"));     // a second way to a folder
        fs::create_directory_symlink("nowhere", Path("dead")); // leads to nothing
    }
    std::string Path(const std::string& relative) const {
        return m_dir.path().toStdString() + "/src/" + relative;
    }
    SourceTree Tree(bool subfolders) const {
        return SourceTree(m_dir.path().toStdString() + "/src", {"gpx"}, subfolders, Path("out"));
    }

    QTemporaryDir m_dir;
};

TEST_F(SourceTreeTest, WalksEachFolderOnceInPathOrderLeavingOutHiddenAndTargetFolders) {
    const TreeWalk walk = Tree(true).Walk("");
    EXPECT_EQ(walk.files, (Names{"A/b/c.gpx", "A/z.GPX", "a-x/d.gpx", "b.gpx", "g.gpx/h.gpx"}));
    EXPECT_EQ(walk.folders, (Names{"", "A", "A/b", "a-x", "g.gpx"}));
    EXPECT_TRUE(walk.unreadable.empty());

    EXPECT_EQ(Tree(false).Walk("").files, (Names{"b.gpx"}));
}

TEST_F(SourceTreeTest, AFolderIsWalkedAgainOnlyOnceForgottenOrMoved) {
    SourceTree tree = Tree(true);
    tree.Walk("");
    EXPECT_TRUE(tree.Walk("A/b").files.empty());
    tree.Forget("A");
    EXPECT_EQ(tree.Walk("A/b").files, (Names{"A/b/c.gpx"}));

    fs::rename(Path("a-x"), Path("moved"));
    EXPECT_EQ(tree.Walk("moved").files, (Names{"moved/d.gpx"}));

    SourceTree missing(m_dir.path().toStdString() + "/none", {"gpx"}, true, "");
    EXPECT_THROW(missing.Walk(""), IoError);
}

} // namespace
} // namespace tolk
