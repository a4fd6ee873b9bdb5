#include "MessageRecorder.h"
#include "ScriptedHost.h"
#include "TempHome.h"
#include "TextFiles.h"
#include "app/Tmainfrm.h"
#include "core/TolkError.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace tolk {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// The window on the real Linux layers in a fresh home: the registry's roots and the special
// folders all lie inside it.
class SettingsStartupTest : public ::testing::Test {
protected:
    SettingsStartupTest() {
        testing::WriteTextFile(m_home / "bin/DATUMS.TXT", "M   WGS 84\r\n");
        testing::WriteTextFile(m_home / "bin/GRIDS.TXT", "");
    }
    Tmainfrm& Start(HostFactory factory = {}) {
        if (!factory) {
            factory = [script = m_script] {
                return std::make_unique<testing::ScriptedHost>(script);
            };
        }
        m_services = std::make_unique<AppServices>(
            AppServices{m_messages, std::move(factory), m_home / "bin/tolkconv"});
        m_window = std::make_unique<Tmainfrm>(m_records, *m_services);
        m_window->show();
        return *m_window;
    }
    std::vector<std::string> ErrorsShown() const {
        std::vector<std::string> errors;
        for (const std::string& line : m_messages.shown) {
            if (line.rfind("error: ", 0) == 0) {
                errors.push_back(line);
            }
        }
        return errors;
    }
    std::string SettingsText() const { return testing::ReadTextFile(m_settingsFile); }

    testing::TempHome m_home;
    const std::string m_workFolder = m_home / ".local/share/Orvane/TOLK";
    const std::string m_settingsFile = m_workFolder + "/tolkconv.ini";
    testing::MessageRecorder m_messages;
    std::shared_ptr<testing::HostScript> m_script = std::make_shared<testing::HostScript>();
    ProgramRecords m_records;
    std::unique_ptr<AppServices> m_services;
    std::unique_ptr<Tmainfrm> m_window;
};

std::vector<std::string> KeysOf(const std::string& content) {
    std::vector<std::string> keys;
    std::istringstream lines(content);
    for (std::string line; std::getline(lines, line);) {
        keys.push_back(line.substr(0, line.find('=')));
    }
    return keys;
}

TEST_F(SettingsStartupTest, AFirstRunMakesTheFoldersRegistersTheWorkFolderAndSavesNineKeys) {
    Start();
    EXPECT_EQ(m_records.UserFolder, m_home / "Documents/My TOLK");
    EXPECT_EQ(m_records.WorkFolder, m_workFolder);
    EXPECT_TRUE(fs::is_directory(m_records.UserFolder));
    EXPECT_TRUE(fs::is_directory(m_workFolder));
    EXPECT_EQ(m_window->SettingsPath(), m_settingsFile);
    EXPECT_FALSE(fs::exists(m_settingsFile)) << "loading creates no file";
    EXPECT_NE(testing::ReadTextFile(m_home / ".config/Orvane/TOLK.conf")
                  .find("workfolder=" + m_workFolder),
              std::string::npos);
    EXPECT_NE(testing::ReadTextFile(m_home / "var/lib/tolkconv/TOLK.conf")
                  .find("exename=" + m_home / "bin/tolkconv"),
              std::string::npos);

    m_window->close();
    EXPECT_EQ(KeysOf(SettingsText()),
              (Lines{"[GENERAL]", "SourceFldr", "TargetFldr", "SourceExt", "TargetExt", "MergeExt",
                     "TargAsSrc", "Datum", "Grid", "WBounds"}));
    const std::string text = SettingsText();
    const WindowBounds& saved = m_records.Settings.WBounds;
    for (const std::string& line :
         {"SourceFldr=" + m_records.UserFolder, "TargetFldr=" + m_records.UserFolder,
          std::string("TargAsSrc=0"),
          "WBounds=" + std::to_string(saved.Left) + " " + std::to_string(saved.Top) + " " +
              std::to_string(saved.Right) + " " + std::to_string(saved.Bottom)}) {
        EXPECT_NE(text.find(line + "\n"), std::string::npos) << line;
    }
    EXPECT_TRUE(ErrorsShown().empty());
}

TEST_F(SettingsStartupTest, AHandEditedFileLoadsByTheSettingsRulesAndKeepsItsOtherLines) {
    fs::create_directories(m_home / "gps");
    testing::WriteTextFile(m_settingsFile, "; edited by hand\n"
                                           "[general]\n"
                                           "  sourcefldr = " +
                                               m_home / "gps" +
                                               "\n"
                                               "TARGASSRC=0x1\n"
                                               "MergeExt=wpt\n"
                                               "WBounds=  10   20  500  300\n"
                                               "Extra=kept\n");
    Start();
    EXPECT_EQ(m_records.Settings.SourceFldr, m_home / "gps");
    EXPECT_TRUE(m_records.Settings.TargAsSrc);
    EXPECT_TRUE(m_window->findChild<QCheckBox*>("cbtargassrc")->isChecked());
    EXPECT_EQ(m_window->findChild<QLineEdit*>("ebtarget")->text().toStdString(), m_home / "gps");
    EXPECT_EQ(m_window->frameGeometry().topLeft(), QPoint(10, 20));
    EXPECT_EQ(m_window->frameGeometry().height(), 400);

    m_window->close();
    const std::string text = SettingsText();
    EXPECT_EQ(text.rfind("; edited by hand\n[general]\n", 0), 0u) << text;
    EXPECT_NE(text.find("\nExtra=kept\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nSourceFldr=" + m_home / "gps" + "\n"), std::string::npos) << text;
    EXPECT_EQ(ErrorsShown(), Lines{});
}

// The test screen is 800 x 600.
TEST_F(SettingsStartupTest, BoundsLargerThanTheScreenAreCutToIt) {
    testing::WriteTextFile(m_settingsFile, "[GENERAL]\nWBounds=0 0 100000 100000\n");
    Start();
    const QRect available = m_window->screen()->availableGeometry();
    EXPECT_EQ(m_window->frameGeometry(), available);
    m_window->close();
    EXPECT_EQ(m_records.Settings.WBounds,
              (WindowBounds{0, 0, available.width(), available.height()}));
}

TEST_F(SettingsStartupTest, AWindowSavedOffEveryScreenOpensOnTheNearest) {
    testing::WriteTextFile(m_settingsFile, "[GENERAL]\nWBounds=2000 1500 2478 1900\n");
    Start();
    const QRect available = m_window->screen()->availableGeometry();
    EXPECT_EQ(m_window->frameGeometry(),
              QRect(available.right() + 1 - 478, available.bottom() + 1 - 400, 478, 400));
}

TEST_F(SettingsStartupTest, ABadBoundsValueIsReportedAndTheWindowStillOpens) {
    testing::WriteTextFile(m_settingsFile, "[GENERAL]\nDatum=NAD27\nWBounds=10,20,500,700\n");
    Start();
    EXPECT_EQ(ErrorsShown(), (Lines{"error: '10,20,500,700' is not a valid integer value."}));
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(m_records.Settings.Datum, "NAD27");
    // The sequence ended there: the host was never asked for its version.
    EXPECT_EQ(m_window->findChild<QLabel*>("connectlbl")->text(), "NOT Connected");
    EXPECT_FALSE(m_window->findChild<QPushButton*>("convall")->isEnabled());

    m_window->close();
    EXPECT_NE(SettingsText().find("\nWBounds=" + std::to_string(m_records.Settings.WBounds.Left)),
              std::string::npos)
        << "closing writes the window's own rectangle over the bad value";
}

TEST_F(SettingsStartupTest, ANumberRegisteredAsWorkFolderIsReportedAndNothingIsSaved) {
    testing::WriteTextFile(m_home / ".config/Orvane/TOLK.conf",
                           "[General]\nworkfolder=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\0\\f)\n");
    Start();
    EXPECT_EQ(ErrorsShown(), (Lines{"error: Invalid data type for 'workfolder'"}));
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(m_records.WorkFolder, "");
    m_window->close();
    EXPECT_EQ(ErrorsShown().size(), 1u);
}

TEST_F(SettingsStartupTest, ANumberRegisteredAsExeNameIsReportedAndLeftAsItWas) {
    const std::string machineFile = m_home / "var/lib/tolkconv/TOLK.conf";
    const std::string registered = "[General]\nexename=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\0\\f)\n";
    testing::WriteTextFile(machineFile, registered);
    Start();
    EXPECT_EQ(ErrorsShown(), (Lines{"error: Invalid data type for 'exename'"}));
    EXPECT_TRUE(m_window->isVisible());
    m_window->close();
    EXPECT_EQ(testing::ReadTextFile(machineFile), registered);
    EXPECT_FALSE(fs::exists(m_home / ".config/Orvane/TOLK.conf")) << "nothing else registered";
    EXPECT_EQ(ErrorsShown().size(), 1u);
}

// A folder where the settings file should be: loading finds no values, and saving at closing
// reports the path without touching what the folder holds.
TEST_F(SettingsStartupTest, ASettingsFileThatIsAFolderGivesDefaultsAndClosingReportsIt) {
    testing::WriteTextFile(m_settingsFile + "/kept.txt", "kept");
    Start();
    EXPECT_EQ(ErrorsShown(), Lines{});
    EXPECT_EQ(m_records.Settings.SourceExt, "txt");
    EXPECT_EQ(m_records.Settings.SourceFldr, m_records.UserFolder);
    m_window->close();
    EXPECT_EQ(ErrorsShown(), (Lines{"error: Unable to write to " + m_settingsFile + "."}));
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(testing::ReadTextFile(m_settingsFile + "/kept.txt"), "kept");
}

TEST_F(SettingsStartupTest, WithoutAHostTheClosingStepSavesDuringStartUp) {
    Start([]() -> std::unique_ptr<HostLink> { throw TolkError("no host"); });
    EXPECT_NE(SettingsText().find("\nWBounds="), std::string::npos);
    EXPECT_TRUE(m_window->isVisible());
}

TEST_F(SettingsStartupTest, ASaveFailureAtClosingIsReportedAndTheWindowStillCloses) {
    Start();
    fs::remove_all(m_workFolder);
    m_window->close();
    EXPECT_EQ(ErrorsShown(), (Lines{"error: Unable to write to " + m_settingsFile + "."}));
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_FALSE(fs::exists(m_workFolder));
}

} // namespace
} // namespace tolk
