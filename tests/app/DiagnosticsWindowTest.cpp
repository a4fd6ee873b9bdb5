#include "CommandWindowTest.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tolk::testing {
namespace {

using Texts = std::vector<std::string>;

class DiagnosticsWindowTest : public CommandWindowTest {
protected:
    void SetUp() override {
        Start();
        m_script->calls.clear();
        m_records.Settings.SourceFldr = "/data/in";
        m_records.Settings.SourceExt = "plt";
        m_records.Settings.TargetFldr = "/data/out";
        m_records.Settings.TargetExt = "kml";
    }
    void Click(const char* name) { Find<QPushButton>(name)->click(); }
    QString ReturnCode() { return Find<QLineEdit>("returncode")->text(); }
    QString ConnectLabel() { return Find<QLabel>("connectlbl")->text(); }
};

TEST_F(DiagnosticsWindowTest, OpenTolkRewritesOnlyTheConnectionLabel) {
    ASSERT_TRUE(m_window->Connected());
    Find<QLineEdit>("returncode")->setText(QStringLiteral("5"));
    m_script->version = "TOLK 4.22";
    Click("OpenTOLKBtn");
    EXPECT_EQ(ConnectLabel(), "Connected to: TOLK 4.22");

    m_script->version = "";
    Click("OpenTOLKBtn");
    EXPECT_EQ(ConnectLabel(), "NOT CONNECTED") << "not the start-up text NOT CONNECTED to TOLK";
    // The connected flag and the commands it enabled were settled at start-up.
    EXPECT_TRUE(m_window->Connected());
    EXPECT_TRUE(Find<QPushButton>("convall")->isEnabled());
    EXPECT_EQ(ReturnCode(), "5");
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(DiagnosticsWindowTest, FailedVersionCallShowsErrorInFunctionAndKeepsTheLabel) {
    m_script->SetFailure("GetVersion", Failure("Server busy"));
    Click("OpenTOLKBtn");
    EXPECT_EQ(m_messages.shown, Texts{"message: Error in function"});
    EXPECT_EQ(ConnectLabel(), "Connected to: Scripted host 1.0");
}

TEST_F(DiagnosticsWindowTest, EachHostCommandPutsItsResultCodeIntoTheResultField) {
    m_script->SetResult("RefreshData", 3);
    m_script->SetResult("RefreshMap", -1);
    m_script->SetResult("OpenFile", 0);
    m_script->SetResult("SaveFileAs", 12);
    m_script->SetResult("CloseWindow", 7);
    const std::pair<const char*, const char*> expected[] = {
        {"refreshdatabtn", "3"}, {"refreshmapbtn", "-1"}, {"openbtn", "0"},
        {"savebtn", "12"},       {"CloseWinBtn", "7"},
    };
    for (const auto& [button, code] : expected) {
        Click(button);
        EXPECT_EQ(ReturnCode(), code) << button;
    }
    EXPECT_EQ(m_script->calls,
              (Texts{"RefreshData", "RefreshMap", "OpenFile(/data/in/filename.plt)",
                     "SaveFileAs(/data/out/filename.kml)", "CloseWindow"}));
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(DiagnosticsWindowTest, FailedHostCommandKeepsTheResultFieldAndGoesToTheErrorReport) {
    for (const char* operation :
         {"RefreshData", "RefreshMap", "OpenFile", "SaveFileAs", "CloseWindow"}) {
        m_script->SetFailure(operation, Failure("Host gone away"));
    }
    Find<QLineEdit>("returncode")->setText(QStringLiteral("-2"));
    for (const char* button :
         {"refreshdatabtn", "refreshmapbtn", "openbtn", "savebtn", "CloseWinBtn"}) {
        Click(button);
        EXPECT_EQ(ReturnCode(), "-2") << button;
    }
    EXPECT_EQ(m_messages.shown, Texts(5, "error: Host gone away."));
}

TEST_F(DiagnosticsWindowTest, OpenFileUsesTheFixedNameWhateverFileIsSelected) {
    m_records.Settings.SourceFldr = MakeFolder("in", {"walk.plt"});
    m_window->FileList().RefreshFileList(m_records.Settings.SourceFldr, "plt");
    Click("openbtn");
    EXPECT_EQ(m_script->calls, Texts{"OpenFile(" + m_home / "in/filename.plt)"});
}

TEST_F(DiagnosticsWindowTest, OpenMenuBrowsesThenOpensEvenWhenTheBrowseWasCancelled) {
    QAction* open = m_window->findChild<QAction*>(QStringLiteral("mnuOpen"));
    ASSERT_NE(open, nullptr);
    open->trigger();
    const std::string chosen = MakeFolder("chosen");
    m_dialog->Next().Select(chosen).Confirm();
    open->trigger();
    EXPECT_EQ(m_dialog->prompts, Texts(2, "Choose a Source file folder."));
    EXPECT_EQ(m_script->calls,
              (Texts{"OpenFile(/data/in/filename.plt)", "OpenFile(" + chosen + "/filename.plt)"}));
}

} // namespace
} // namespace tolk::testing
