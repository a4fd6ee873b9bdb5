#include "MemoryRegistry.h"
#include "MessageRecorder.h"
#include "ScriptedHost.h"
#include "TempHome.h"
#include "TextFiles.h"
#include "app/DropDownList.h"
#include "app/FormatPicker.h"
#include "app/Tmainfrm.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpontaneKeyEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace tolk {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using testing::WriteTextFile;

// The main window started on a folder of our own: the reference lists beside a test
// executable path, the settings file in a registered work folder, and a working directory
// that holds files of its own.
class ListsWindowTest : public ::testing::Test {
protected:
    ListsWindowTest() : m_previousFolder(fs::current_path()) {
        m_registry->Set(RegistryRoot::CurrentUser, HostKeyPath, "workfolder",
                        {RegistryType::Text, m_home / "work"});
        WriteTextFile(m_home / "bin/DATUMS.TXT", "M   WGS 84\r\nM   NAD27\r\n");
        WriteTextFile(m_home / "bin/GRIDS.TXT", "U Swiss Grid\r\n");
        WriteTextFile(m_home / "cwd/here.txt", "x");
        WriteTextFile(m_home / "cwd/there.kml", "x");
        fs::create_directories(m_home / "src");
        fs::current_path(m_home / "cwd");
        m_settings = {{"SourceFldr", m_home / "src"},
                      {"TargetFldr", m_home / "out"},
                      {"SourceExt", "txt"},
                      {"TargetExt", "kml"},
                      {"MergeExt", ""},
                      {"Datum", "WGS 84"},
                      {"Grid", "LAT LON DM"}};
    }
    ~ListsWindowTest() override { fs::current_path(m_previousFolder); }

    std::unique_ptr<Tmainfrm> Start() {
        std::string ini = "[GENERAL]\n";
        for (const auto& [key, value] : m_settings) {
            ini += key + "=" + value + "\n";
        }
        WriteTextFile(m_home / "work/tolkconv.ini", ini);
        m_services = std::make_unique<AppServices>(AppServices{
            m_messages,
            [script = m_script] { return std::make_unique<testing::ScriptedHost>(script); },
            m_home / "bin/tolkconv"});
        m_services->registry = m_registry;
        auto window = std::make_unique<Tmainfrm>(m_records, *m_services);
        window->show();
        return window;
    }
    void Touch(const std::string& relative) { WriteTextFile(m_home / relative, "x"); }

    template <class Widget>
    Widget* Find(Tmainfrm& window, const char* name) {
        auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QComboBox* Box(Tmainfrm& window, const char* name) { return Find<QComboBox>(window, name); }
    std::string Text(Tmainfrm& window, const char* label) {
        return Find<QLabel>(window, label)->text().toStdString();
    }
    Lines Listed(Tmainfrm& window) {
        Lines names;
        auto* list = Find<QListWidget>(window, "FileListBox1");
        for (int row = 0; row < list->count(); ++row) {
            names.push_back(list->item(row)->text().toStdString());
        }
        return names;
    }
    bool VersionAsked() const {
        const auto& calls = m_script->calls;
        return std::find(calls.begin(), calls.end(), "GetVersion") != calls.end();
    }

    testing::TempHome m_home;
    fs::path m_previousFolder;
    std::vector<std::pair<std::string, std::string>> m_settings;
    std::shared_ptr<testing::MemoryRegistry> m_registry =
        std::make_shared<testing::MemoryRegistry>();
    testing::MessageRecorder m_messages;
    std::shared_ptr<testing::HostScript> m_script = std::make_shared<testing::HostScript>();
    ProgramRecords m_records;
    std::unique_ptr<AppServices> m_services;
};

TEST_F(ListsWindowTest, StartUpFillsEveryListAndListsTheSourceFolder) {
    Touch("src/b.txt");
    Touch("src/A.TXT");
    auto window = Start();
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_EQ(Box(*window, "cbopenExt")->count(), 94);
    EXPECT_EQ(Box(*window, "cbmerge1")->currentText(), "(none)");
    EXPECT_EQ(Box(*window, "cbtargext")->currentText(), "kml");
    EXPECT_EQ(Box(*window, "cbdatums")->currentText(), "WGS 84");
    EXPECT_EQ(Box(*window, "cbgrids")->count(), 7);
    EXPECT_EQ(Box(*window, "cbgrids")->currentIndex(), 2);
    EXPECT_EQ(Listed(*window), (Lines{"A.TXT", "b.txt"}));
    EXPECT_EQ(Find<QListWidget>(*window, "FileListBox1")->currentRow(), 0);
    EXPECT_EQ(Text(*window, "statuslbl"), "2 files to convert");
    EXPECT_EQ(Text(*window, "filelistlbl"), "Number of files = 2");
}

TEST_F(ListsWindowTest, MissingDatumsFileGivesOneMessageAndStartUpGoesOn) {
    fs::remove(m_home / "bin/DATUMS.TXT");
    Touch("src/a.txt");
    auto window = Start();
    EXPECT_EQ(m_messages.shown,
              (Lines{"message: Could not open file " + (m_home / "bin/DATUMS.TXT")}));
    QComboBox* datums = Box(*window, "cbdatums");
    ASSERT_EQ(datums->count(), 1);
    EXPECT_EQ(datums->itemText(0), "not yet  implemented");
    EXPECT_EQ(datums->currentIndex(), -1);
    EXPECT_EQ(m_records.Settings.Datum, "WGS 84");
    EXPECT_EQ(Box(*window, "cbgrids")->currentText(), "LAT LON DM");
    EXPECT_EQ(Text(*window, "statuslbl"), "1 files to convert");
    EXPECT_TRUE(window->Connected());
}

TEST_F(ListsWindowTest, VanishedSourceFolderStopsStartUpBeforeTheVersionQuery) {
    m_settings[0].second = m_home / "gone";
    auto window = Start();
    EXPECT_EQ(m_messages.shown, (Lines{"error: File not found."}));
    EXPECT_FALSE(VersionAsked());
    EXPECT_FALSE(window->Connected());
    EXPECT_EQ(Text(*window, "connectlbl"), "NOT Connected");
    EXPECT_FALSE(Find<QPushButton>(*window, "convall")->isEnabled());
    // The list still shows what it showed on creation: the working directory, "*.txt".
    EXPECT_EQ(Listed(*window), (Lines{"here.txt"}));
    EXPECT_EQ(Text(*window, "statuslbl"), "statuslbl");
    EXPECT_EQ(Text(*window, "filelistlbl"), "File List");
    EXPECT_EQ(Box(*window, "cbdatums")->currentText(), "WGS 84");
}

TEST_F(ListsWindowTest, FillingTheListsLeavesUnmatchedLoadedValuesInEffect) {
    m_settings = {{"SourceFldr", m_home / "src"}, {"SourceExt", "TXT"}, {"MergeExt", "zzz"},
                  {"TargetExt", "KML"},           {"Datum", "nowhere"}, {"Grid", "lat lon dms"}};
    Touch("src/a.txt");
    auto window = Start();
    EXPECT_EQ(Box(*window, "cbopenExt")->currentIndex(), 0);
    EXPECT_EQ(Box(*window, "cbmerge1")->currentIndex(), 0);
    EXPECT_EQ(Box(*window, "cbtargext")->currentIndex(), 0);
    EXPECT_EQ(Box(*window, "cbdatums")->currentIndex(), -1);
    EXPECT_EQ(Box(*window, "cbgrids")->currentText(), "LAT LON DMS");
    const ConversionSettings& settings = m_records.Settings;
    EXPECT_EQ(settings.SourceExt, "TXT");
    EXPECT_EQ(settings.MergeExt, "zzz");
    EXPECT_EQ(settings.TargetExt, "KML");
    EXPECT_EQ(settings.Datum, "nowhere");
    EXPECT_EQ(settings.Grid, "lat lon dms");
    EXPECT_EQ(Listed(*window), (Lines{"a.txt"})); // the mask "*.TXT" ignores case
}

TEST_F(ListsWindowTest, PickingASourceTypeStoresItAndReadsTheFolderAnew) {
    Touch("src/a.txt");
    Touch("src/b.plt");
    auto window = Start();
    Touch("src/c.txt");
    QComboBox* types = Box(*window, "cbopenExt");
    types->setCurrentIndex(types->findText("plt"));
    EXPECT_EQ(m_records.Settings.SourceExt, "plt");
    EXPECT_EQ(Listed(*window), (Lines{"b.plt"}));
    EXPECT_EQ(Text(*window, "statuslbl"), "1 files to convert");

    QTest::keyClick(types, Qt::Key_Home);
    EXPECT_EQ(m_records.Settings.SourceExt, "txt");
    EXPECT_EQ(Listed(*window), (Lines{"a.txt", "c.txt"}));

    // The new type is stored even when the folder has gone meanwhile.
    fs::remove_all(m_home / "src");
    types->setCurrentIndex(types->findText("gpx"));
    EXPECT_EQ(m_messages.shown, (Lines{"error: File not found."}));
    EXPECT_EQ(m_records.Settings.SourceExt, "gpx");
    EXPECT_EQ(Listed(*window), (Lines{"a.txt", "c.txt"}));
}

TEST_F(ListsWindowTest, PicksSetTheirValuesAndItemZeroClears) {
    auto window = Start();
    QTest::keyClick(Box(*window, "cbtargext"), Qt::Key_Down);
    EXPECT_EQ(m_records.Settings.TargetExt, "kmz");

    struct Pick {
        const char* box;
        int item;
        std::string ConversionSettings::*value;
        std::string expected;
    };
    const Pick picks[] = {
        {"cbmerge1", 1, &ConversionSettings::MergeExt, "txt"},
        {"cbmerge1", 0, &ConversionSettings::MergeExt, ""},
        {"cbgrids", 6, &ConversionSettings::Grid, "Swiss Grid"},
        {"cbgrids", 0, &ConversionSettings::Grid, ""},
        {"cbdatums", 2, &ConversionSettings::Datum, "NAD27"},
        {"cbdatums", 0, &ConversionSettings::Datum, ""},
    };
    for (const Pick& pick : picks) {
        Box(*window, pick.box)->setCurrentIndex(pick.item);
        EXPECT_EQ(m_records.Settings.*pick.value, pick.expected) << pick.box << " " << pick.item;
    }
    EXPECT_TRUE(m_messages.shown.empty());
}

// One notch down, as the window system delivers it over the list.
void WheelDown(QComboBox* list) {
    const QPointF inside(10, 10);
    QWheelEvent notch(inside, list->mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&notch);
    QApplication::sendEvent(list, &notch);
}

TEST_F(ListsWindowTest, OnlyAListWithTheFocusTakesTheMouseWheel) {
    auto window = Start();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QComboBox* datums = Box(*window, "cbdatums");
    WheelDown(datums);
    WheelDown(datums);
    EXPECT_FALSE(datums->hasFocus());
    EXPECT_EQ(datums->currentText(), "WGS 84");
    EXPECT_EQ(m_records.Settings.Datum, "WGS 84");

    datums->setFocus();
    WheelDown(datums);
    EXPECT_EQ(m_records.Settings.Datum, "NAD27");
}

// Answers the format dialog with the queued answers, keeping the prompts it was shown.
class ScriptedFormatPicker : public FormatPicker {
public:
    std::optional<std::string> Choose(const std::string& prompt,
                                      const std::vector<OfferedFormat>& formats) override {
        prompts.push_back(prompt + " [" + std::to_string(formats.size()) + "]");
        auto answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    std::vector<std::optional<std::string>> answers;
    Lines prompts;
};

TEST_F(ListsWindowTest, PickingATypeWithoutAFormatOffersTheEngineFormats) {
    m_script->formats = {{"txt", {"fmta"}}, {">kml", {"kml"}}, {">kmz", {"kmz"}}};
    m_script->offered = {{"fmta", "Alpha track format"}, {"fmtb", "Beta point format"}};
    auto picker = std::make_shared<ScriptedFormatPicker>();
    picker->answers = {"fmtb", std::nullopt, "fmta"};
    auto window = Start();
    m_services->formatPicker = picker;
    m_services->formatOfferDelay = std::chrono::milliseconds(0);
    const auto pick = [&](QComboBox* box, const char* type, bool settle = true) {
        box->setCurrentIndex(box->findText(QString::fromLatin1(type)));
        if (settle) {
            QTest::qWait(5);
        }
    };

    QComboBox* sources = Box(*window, "cbopenExt");
    pick(sources, "pdb", false);           // passed on the way: nothing offered
    pick(sources, "plt");                  // no reader: offered, fmtb chosen
    pick(sources, "txt");                  // has a reader: nothing offered
    pick(Box(*window, "cbmerge1"), "txt"); // reads: nothing offered
    QComboBox* targets = Box(*window, "cbtargext");
    pick(targets, "kmz"); // writes: nothing offered
    pick(targets, "gpx"); // no writer: cancelled
    m_script->chooseFails = true;
    m_script->reason = "Unable to write to hostformats.ini";
    pick(sources, "wpt"); // chosen, but cannot be kept

    EXPECT_EQ(picker->prompts.size(), 3u);
    EXPECT_NE(picker->prompts[0].find("reads .plt files"), std::string::npos);
    EXPECT_NE(picker->prompts[1].find("writes .gpx files"), std::string::npos);
    EXPECT_EQ(picker->prompts[1].back(), ']');
    EXPECT_EQ(m_script->chosen, (Lines{"plt=fmtb", "wpt=fmta"}));
    EXPECT_EQ(m_messages.shown, (Lines{"message: Unable to write to hostformats.ini"}));
    EXPECT_EQ(m_records.Settings.TargetExt, "gpx");
}

// The room the list's style leaves for the current item's text.
int TextRoom(const QComboBox& list) {
    QStyleOptionComboBox option;
    option.initFrom(&list);
    return list.style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list)
               .width() -
           2;
}

int AdvanceAt(QFont font, int stretch, const QString& text) {
    font.setStretch(stretch);
    return QFontMetrics(font).horizontalAdvance(text);
}

TEST(DropDownListTest, NarrowsItsFontJustEnoughForItsWidestItem) {
    DropDownList list(nullptr);
    list.addItem(QStringLiteral("gpx"));
    QCoreApplication::processEvents();
    const auto fullWidth = [&list] {
        return list.font().stretch() == QFont::AnyStretch ||
               list.font().stretch() == QFont::Unstretched;
    };
    EXPECT_TRUE(fullWidth());

    // Room for nine tenths of the wide item at full width.
    const QString wide = QStringLiteral("Alpha track format, with its waypoints");
    const int wideAdvance = AdvanceAt(list.font(), 100, wide);
    list.resize(list.width() - TextRoom(list) + wideAdvance * 9 / 10, list.height());
    list.addItem(wide);
    QCoreApplication::processEvents();
    const int stretch = list.font().stretch();
    EXPECT_LT(stretch, 100);
    EXPECT_GT(stretch, 80);
    EXPECT_LE(AdvanceAt(list.font(), stretch, wide), TextRoom(list));
    EXPECT_GT(AdvanceAt(list.font(), stretch + 1, wide), TextRoom(list));

    list.clear();
    list.addItem(QStringLiteral("gpx"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(fullWidth()) << "filled anew with items that fit";
}

} // namespace
} // namespace tolk
