#include "CommandWindowTest.h"
#include "WindowRun.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

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
    /// Drags the paths over the window and drops them as a file manager would; whether the
    /// window took them.
    bool Drop(const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths) {
            urls.append(QUrl::fromLocalFile(path));
        }
        data.setUrls(urls);
        QDragEnterEvent enter({20, 20}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &enter);
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &drop);
        EXPECT_EQ(enter.isAccepted(), drop.isAccepted());
        return drop.isAccepted();
    }

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

TEST_F(BrowseWindowTest, AFolderDroppedOrStartedOnIsTakenAsBrowseTakesIt) {
    const std::string other = MakeFolder("other", {"x.txt"});
    Find<QCheckBox>("cbtargassrc")->click();
    EXPECT_FALSE(Drop({QString::fromStdString(m_tracks + "/b.txt")}));
    EXPECT_FALSE(Drop({QString::fromStdString(other), QString::fromStdString(m_tracks)}));
    EXPECT_EQ(m_records.Settings.SourceFldr, m_tracks);

    EXPECT_TRUE(Drop({QString::fromStdString(other + "/")}));
    EXPECT_EQ(m_records.Settings.SourceFldr, other);
    EXPECT_EQ(Text("ebsource").toStdString(), other);
    EXPECT_EQ(m_records.Settings.TargetFldr, other) << "the target follows the source";
    EXPECT_EQ(Find<QLabel>("statuslbl")->text(), "1 files to convert");

    // Not while a run works from the folder it has.
    m_records.Settings.TargetExt = "kml";
    std::atomic<bool> release = false;
    m_script->onCall = [&release](const std::string& operation, const std::string&) {
        while (operation == "OpenFile" && !release) {
            QThread::msleep(1);
        }
    };
    Find<QPushButton>("convall")->click();
    ASSERT_TRUE(m_window->Running());
    EXPECT_FALSE(Drop({QString::fromStdString(m_tracks)}));
    release = true;
    WaitForRun(*m_window);
    EXPECT_EQ(m_records.Settings.SourceFldr, other);

    m_services->startFolder = m_tracks;
    Start();
    EXPECT_EQ(m_records.Settings.SourceFldr, m_tracks);
    EXPECT_EQ(Text("ebsource").toStdString(), m_tracks);
    EXPECT_EQ(Find<QListWidget>("FileListBox1")->count(), 2);
}

} // namespace
} // namespace tolk::testing
