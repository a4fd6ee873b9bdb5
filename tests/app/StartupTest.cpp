#include "MessageRecorder.h"
#include "ScriptedHost.h"
#include "TempHome.h"
#include "TextFiles.h"
#include "WindowRun.h"
#include "app/ProgramEntry.h"
#include "app/Tmainfrm.h"
#include "core/TolkError.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace tolk {
namespace {

using Lines = std::vector<std::string>;

const std::string VersionMessage =
    "message: Could not find TOLK version 4.20.z or later\r\n"
    "\"Run as Administrator\" the latest version of TOLK at least once and restart this "
    "program.\r\nSee the Help topic in TOLK on \"Installation\".";

class StartupTest : public ::testing::Test {
protected:
    std::unique_ptr<Tmainfrm> Start(HostFactory factory) {
        // Start-up reads the reference lists beside the executable.
        testing::WriteTextFile(m_home / "bin/DATUMS.TXT", "M   WGS 84\r\n");
        testing::WriteTextFile(m_home / "bin/GRIDS.TXT", "");
        m_services = std::make_unique<AppServices>(
            AppServices{m_messages, std::move(factory), m_home / "bin/tolkconv"});
        auto window = std::make_unique<Tmainfrm>(m_records, *m_services);
        window->show();
        return window;
    }
    HostFactory Scripted() {
        return [script = m_script] { return std::make_unique<testing::ScriptedHost>(script); };
    }
    template <class Widget>
    Widget* Find(Tmainfrm& window, const char* name) {
        auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void ExpectCommandsEnabled(Tmainfrm& window, bool enabled) {
        for (const char* name : {"convone", "convall", "skipbtn"}) {
            EXPECT_EQ(Find<QPushButton>(window, name)->isEnabled(), enabled) << name;
        }
    }

    testing::TempHome m_home;
    testing::MessageRecorder m_messages;
    std::shared_ptr<testing::HostScript> m_script = std::make_shared<testing::HostScript>();
    ProgramRecords m_records;
    std::unique_ptr<AppServices> m_services;
};

TEST_F(StartupTest, ConnectedHostShowsItsVersionAndEnablesTheCommands) {
    m_script->version = "TOLK 4.21.3";
    auto window = Start(Scripted());
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_TRUE(window->Connected());
    EXPECT_EQ(Find<QLabel>(*window, "connectlbl")->text(), "Connected to: TOLK 4.21.3");
    ExpectCommandsEnabled(*window, true);
    EXPECT_EQ(m_records.ExeFolder, m_home / "bin/");
    EXPECT_EQ(m_records.HelpFile, m_home / "bin/tolkconv.qch");
}

TEST_F(StartupTest, EmptyVersionTextMeansNotConnectedWithoutAMessage) {
    m_script->version = "";
    auto window = Start(Scripted());
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_FALSE(window->Connected());
    EXPECT_EQ(Find<QLabel>(*window, "connectlbl")->text(), "NOT CONNECTED to TOLK");
    ExpectCommandsEnabled(*window, false);
}

TEST_F(StartupTest, FailedVersionCallShowsTheVersionMessage) {
    m_script->SetFailure("GetVersion", testing::Failure("busy"));
    auto window = Start(Scripted());
    EXPECT_EQ(m_messages.shown, (Lines{VersionMessage}));
    EXPECT_EQ(Find<QLabel>(*window, "connectlbl")->text(), "NOT Connected");
    ExpectCommandsEnabled(*window, false);
}

TEST_F(StartupTest, WithoutAHostBothMessagesAppearInOrderAndTheWindowStillOpens) {
    testing::WriteTextFile(m_home / ".local/share/Orvane/TOLK/tolkconv.ini",
                           "[GENERAL]\nWBounds=10 20 510 440\n");
    auto window = Start([]() -> std::unique_ptr<HostLink> { throw TolkError("no host"); });
    EXPECT_EQ(m_messages.shown,
              (Lines{"message: Unable to open interface to TOLK.", VersionMessage}));
    EXPECT_FALSE(m_records.Host.Present());
    EXPECT_TRUE(window->isVisible());
    ExpectCommandsEnabled(*window, false);
    // The close asked for during creation ran the closing step, which took the bounds.
    EXPECT_EQ(m_records.Settings.WBounds.Left, 10);
    EXPECT_EQ(m_records.Settings.WBounds.Top, 20);
}

TEST_F(StartupTest, ConvertSelectedWithNoCurrentNameReportsTheIndexError) {
    m_records.Settings.SourceExt = "txt";
    m_records.Settings.TargetExt = "kml";
    auto window = Start(Scripted());
    m_records.Settings.TargetFldr = m_home.Path();
    Find<QPushButton>(*window, "convone")->click();
    EXPECT_EQ(m_messages.shown, (Lines{"error: List index out of bounds (-1)"}));
}

TEST_F(StartupTest, StatusLineAndResultFieldShowTheRun) {
    m_records.Settings.TargetFldr = m_home.Path();
    m_records.Settings.SourceExt = "txt";
    m_records.Settings.TargetExt = "kml";
    m_script->SetResult("CloseWindow", -2);
    auto window = Start(Scripted());
    window->FileList().SetNames({"a.txt"});
    testing::ClickAndWait(*window, "convall");
    EXPECT_EQ(Find<QLabel>(*window, "statuslbl")->text(), "Converted 1 files.");
    EXPECT_EQ(window->findChild<QLineEdit*>("returncode")->text(), "-2");
}

TEST(ProgramEntryTest, TheApplicationCarriesTheTitle) {
    SetUpApplication();
    EXPECT_EQ(QApplication::applicationName(), "TOLK Batch File Converter");
    EXPECT_EQ(QApplication::applicationDisplayName(), "TOLK Batch File Converter");
}

} // namespace
} // namespace tolk
