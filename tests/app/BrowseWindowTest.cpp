#include "CommandWindowTest.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tolk::testing {
namespace {

using Texts = std::vector<std::string>;

class BrowseWindowTest : public CommandWindowTest {
protected:
    void SetUp() override {
        Start();
        m_tracks = MakeFolder("tracks", {"b.txt", "a.TXT", "c.kml"});
        m_records.Settings.SourceFldr = m_tracks;
        m_records.Settings.SourceExt = "txt";
        m_window->FileList().RefreshFileList(m_tracks, "txt");
    }
    void ClickSourceBrowse() { Find<QPushButton>("browsebtn")->click(); }
    void ClickTargetBrowse() { Find<QPushButton>("browsetarget")->click(); }
    /// Marks the status line and the list so that a refresh of the file list shows.
    void MarkFileList() {
        Find<QLabel>("statuslbl")->setText(QStringLiteral("marker"));
        Find<QListWidget>("FileListBox1")->setCurrentRow(1);
    }
    QString Text(const char* editName) { return Find<QLineEdit>(editName)->text(); }

    std::string m_tracks;
};

TEST_F(BrowseWindowTest, SourceBrowseOpensOnTheStoredFolderAndListsTheChosenOne) {
    const std::string other = MakeFolder("other", {"x.txt"});
    m_dialog->Next().Select(other).Confirm();
    ClickSourceBrowse();

    EXPECT_EQ(m_dialog->prompts, Texts{"Choose a Source file folder."});
    EXPECT_EQ(m_dialog->initialFolders, Texts{m_tracks});
    EXPECT_EQ(m_records.Settings.SourceFldr, other);
    EXPECT_EQ(Text("ebsource").toStdString(), other);
    EXPECT_EQ(Find<QLabel>("statuslbl")->text(), "1 files to convert");
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(BrowseWindowTest, EmptyOrVanishedFolderStartsTheDialogAtTheUserFolder) {
    ASSERT_FALSE(m_records.UserFolder.empty());
    for (const std::string& stored : {std::string(), m_home / "gone"}) {
        m_records.Settings.SourceFldr = stored;
        m_records.Settings.TargetFldr = stored;
        ClickSourceBrowse();
        ClickTargetBrowse();
    }
    EXPECT_EQ(m_dialog->initialFolders, Texts(4, m_records.UserFolder));
}

TEST_F(BrowseWindowTest, ChosenSourceRefreshesTheFileList) {
    MarkFileList();
    m_dialog->Next().Select(m_tracks).Confirm();
    ClickSourceBrowse();
    // Choosing the listed folder again reads nothing anew, but the refresh still runs: the
    // first name becomes current and the counts are written.
    EXPECT_EQ(Find<QLabel>("statuslbl")->text(), "2 files to convert");
    EXPECT_EQ(Find<QListWidget>("FileListBox1")->currentRow(), 0);
    EXPECT_EQ(Find<QListWidget>("FileListBox1")->count(), 2);
}

TEST_F(BrowseWindowTest, CancelChangesNothing) {
    m_records.Settings.TargetFldr = m_tracks;
    MarkFileList();
    m_dialog->Next().Select(m_home / "other").Cancel();
    ClickSourceBrowse();
    ClickTargetBrowse();
    EXPECT_EQ(m_records.Settings.SourceFldr, m_tracks);
    EXPECT_EQ(m_records.Settings.TargetFldr, m_tracks);
    EXPECT_EQ(Find<QLabel>("statuslbl")->text(), "marker");
    EXPECT_EQ(Find<QListWidget>("FileListBox1")->currentRow(), 1);
}

TEST_F(BrowseWindowTest, SameAsSourceHandsTheChosenSourceToTheTarget) {
    const std::string target = MakeFolder("target");
    m_records.Settings.TargetFldr = target;
    Find<QCheckBox>("cbtargassrc")->click();
    ASSERT_TRUE(m_records.Settings.TargAsSrc);
    m_dialog->Next().Select(m_tracks).Confirm();
    ClickSourceBrowse();
    EXPECT_EQ(m_records.Settings.TargetFldr, m_tracks);
    EXPECT_EQ(Text("ebtarget").toStdString(), m_tracks);
    EXPECT_TRUE(Find<QPushButton>("browsetarget")->isHidden());
}

TEST_F(BrowseWindowTest, WithoutSameAsSourceTheTargetStays) {
    const std::string target = MakeFolder("target");
    m_records.Settings.TargetFldr = target;
    m_dialog->Next().Select(m_tracks).Confirm();
    ClickSourceBrowse();
    EXPECT_EQ(m_records.Settings.TargetFldr, target);
}

TEST_F(BrowseWindowTest, ChosenTargetIsTakenWithoutRefreshingTheFileList) {
    const std::string target = MakeFolder("target", {"y.txt"});
    MarkFileList();
    m_dialog->Next().Select(target).Confirm();
    ClickTargetBrowse();
    EXPECT_EQ(m_dialog->prompts, Texts{"Choose a Target file folder."});
    EXPECT_EQ(m_records.Settings.TargetFldr, target);
    EXPECT_EQ(Text("ebtarget").toStdString(), target);
    EXPECT_EQ(m_records.Settings.SourceFldr, m_tracks);
    EXPECT_EQ(Find<QLabel>("statuslbl")->text(), "marker");
    EXPECT_EQ(Find<QListWidget>("FileListBox1")->currentRow(), 1);
}

TEST_F(BrowseWindowTest, ChoiceWithoutAPathChangesNothing) {
    m_dialog->Next().Select("network").Confirm(false);
    ClickSourceBrowse();
    EXPECT_EQ(m_records.Settings.SourceFldr, m_tracks);
}

TEST_F(BrowseWindowTest, SourceAndTargetDialogsShareTheRememberedPlace) {
    m_dialog->Next().Move(500, 250).Select(m_tracks).Confirm();
    ClickSourceBrowse();
    ClickTargetBrowse();
    EXPECT_EQ(m_dialog->shownAt.back().Left, 500);
    EXPECT_EQ(m_dialog->shownAt.back().Top, 250);
}

TEST_F(BrowseWindowTest, UnreadableChosenFolderIsReportedAfterItWasTaken) {
    // A folder that vanishes between the choice and the listing: the refresh fails, the
    // failure goes to the error report, and the choice itself stays made.
    m_dialog->Next().Select(m_home / "vanished").Confirm();
    ClickSourceBrowse();
    EXPECT_EQ(m_records.Settings.SourceFldr, m_home / "vanished");
    EXPECT_EQ(m_messages.shown, Texts{"error: File not found."});
}

} // namespace
} // namespace tolk::testing
