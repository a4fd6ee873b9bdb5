#include "CommandWindowTest.h"
#include "WindowRun.h"
#include "app/ReadableColour.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWindow>
#include <array>
#include <gtest/gtest.h>
#include <map>

namespace tolk {
namespace {

using Names = std::vector<std::string>;

std::array<std::int32_t, 4> Corners(const WindowBounds& bounds) {
    return {bounds.Left, bounds.Top, bounds.Right, bounds.Bottom};
}

/// Records the window's outer size each time a resize reaches it, nested ones included.
class ResizeLog : public QObject {
public:
    explicit ResizeLog(QWidget* window) : m_window(window) { window->installEventFilter(this); }
    std::vector<QSize> outerSizes;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::Resize) {
            outerSizes.push_back(m_window->frameGeometry().size());
        }
        return false;
    }

private:
    QWidget* m_window;
};

class MainWindowTest : public testing::CommandWindowTest {
protected:
    std::map<QString, QRect> ChildGeometries() const {
        std::map<QString, QRect> geometries;
        for (const QWidget* child : m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            geometries[child->objectName()] = child->geometry();
        }
        return geometries;
    }
    void ClickSameAsSource() { Find<QCheckBox>("cbtargassrc")->click(); }
};

TEST_F(MainWindowTest, TooSmallWindowIsRaisedThenWidenedThenReanchoredInNestedRuns) {
    Start();
    const QSize frame = FrameExtent();
    ResizeLog log(m_window.get());
    DragTo(300, 300);
    EXPECT_EQ(m_window->frameGeometry().size(), QSize(440, 400));
    // The height correction runs the rule again before the drag's own run has ended.
    EXPECT_EQ(log.outerSizes, (std::vector<QSize>{{300, 300}, {300, 400}, {440, 400}}))
        << "frame extent " << frame.width() << "x" << frame.height();
    ExpectAnchoredToClientArea();
}

TEST_F(MainWindowTest, EachCorrectionTouchesOnlyItsOwnSide) {
    Start();
    DragTo(600, 300);
    EXPECT_EQ(m_window->frameGeometry().size(), QSize(600, 400));
    DragTo(300, 500);
    EXPECT_EQ(m_window->frameGeometry().size(), QSize(440, 500));
    ExpectAnchoredToClientArea();
}

TEST_F(MainWindowTest, TheWindowSystemKnowsTheMinimumTheRuleKeeps) {
    Start();
    QApplication::processEvents();
    EXPECT_EQ(m_window->windowHandle()->minimumSize() + FrameExtent(), QSize(440, 400));
}

TEST_F(MainWindowTest, ResizingMovesOnlyTheFileListHelpButtonAndRunButtons) {
    Start();
    DragTo(477, 400);
    const std::map<QString, QRect> before = ChildGeometries();
    for (const QSize outer : {QSize(800, 650), QSize(500, 420)}) {
        DragTo(outer.width(), outer.height());
        EXPECT_EQ(m_window->frameGeometry().size(), outer);
        ExpectAnchoredToClientArea();
        std::map<QString, QRect> after = ChildGeometries();
        for (const char* anchored : {"FileListBox1", "BitBtn1", "convone", "skipbtn", "convall"}) {
            after[anchored] = before.at(anchored);
        }
        EXPECT_EQ(after, before);
    }
}

TEST_F(MainWindowTest, ClosingSavesTheOuterRectangleTheWindowWasGiven) {
    Start();
    QApplication::processEvents();
    const WindowBounds loaded = m_records.Settings.WBounds;
    m_window->close();
    EXPECT_EQ(Corners(m_records.Settings.WBounds), Corners(loaded));

    m_window->show();
    DragTo(600, 450);
    m_window->close();
    const WindowBounds& saved = m_records.Settings.WBounds;
    EXPECT_EQ(Corners(saved),
              (std::array{loaded.Left, loaded.Top, loaded.Left + 600, loaded.Top + 450}));
}

TEST_F(MainWindowTest, TabVisitsTheVisibleControlsInDesignOrder) {
    Start();
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    Find("ebsource")->setFocus();
    Names visited{"ebsource"};
    for (int step = 0; step < 15; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    EXPECT_EQ(visited,
              (Names{"ebsource", "browsebtn", "cbopenExt", "cbmerge1", "cbdatums", "cbgrids",
                     "ebtarget", "browsetarget", "convone", "cbtargext", "cbtargassrc",
                     "FileListBox1", "skipbtn", "convall", "BitBtn1", "ebsource"}));
}

TEST_F(MainWindowTest, DiagnosticControlsAndMenuStayHiddenWhateverTheUserDoes) {
    Start();
    DragTo(300, 300);
    ClickSameAsSource();
    ClickSameAsSource();
    testing::ClickAndWait(*m_window, "convall");
    for (const char* name : {"returncode", "OpenTOLKBtn", "refreshdatabtn", "openbtn",
                             "CloseWinBtn", "refreshmapbtn", "savebtn", "MainMenu1"}) {
        EXPECT_FALSE(Find(name)->isVisible()) << name;
    }
    EXPECT_FALSE(Find<QMenu>("mnufile")->menuAction()->isVisible());
    EXPECT_FALSE(Find<QAction>("mnuOptions")->isVisible());
}

TEST_F(MainWindowTest, TickingSameAsSourceCopiesTheFolderAndUntickingLeavesIt) {
    Start();
    m_records.Settings.SourceFldr = "/data/gps";
    auto* target = Find<QLineEdit>("ebtarget");
    QTest::keyClicks(target, "/typed/elsewhere");
    ASSERT_FALSE(Find<QCheckBox>("cbtargassrc")->isChecked());

    ClickSameAsSource();
    EXPECT_TRUE(m_records.Settings.TargAsSrc);
    EXPECT_FALSE(Find("browsetarget")->isVisible());
    EXPECT_EQ(m_records.Settings.TargetFldr, "/data/gps");
    EXPECT_EQ(target->text(), "/data/gps");
    // What was typed before must not win at the next target folder check.
    EXPECT_FALSE(target->isModified());

    ClickSameAsSource();
    EXPECT_FALSE(m_records.Settings.TargAsSrc);
    EXPECT_TRUE(Find("browsetarget")->isVisible());
    EXPECT_EQ(m_records.Settings.TargetFldr, "/data/gps");
    EXPECT_EQ(target->text(), "/data/gps");
}

TEST_F(MainWindowTest, TickingSameAsSourceWithNoSourceFolderEmptiesTheTarget) {
    Start();
    m_records.Settings.SourceFldr.clear();
    m_records.Settings.TargetFldr = "/data/out";
    Find<QLineEdit>("ebtarget")->setText("/data/out");
    ClickSameAsSource();
    EXPECT_EQ(m_records.Settings.TargetFldr, "");
    EXPECT_EQ(Find<QLineEdit>("ebtarget")->text(), "");
}

TEST_F(MainWindowTest, EveryVisibleControlHasANameAScreenReaderCanSpeak) {
    Start();
    for (QWidget* child : m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            EXPECT_FALSE(
                QAccessible::queryAccessibleInterface(child)->text(QAccessible::Name).isEmpty())
                << child->objectName().toStdString();
        }
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Find("BitBtn1"))->text(QAccessible::Name),
              "Help");
}

TEST_F(MainWindowTest, EditBoxesAndListsAreNamedByTheLabelBesideThem) {
    Start();
    const std::map<std::string, std::pair<const char*, QString>> labelledBy{
        {"ebsource", {"Label2", "Source Folder"}},
        {"ebtarget", {"Label8", "Target Folder"}},
        {"cbopenExt", {"Label4", "Source File Type:"}},
        {"cbmerge1", {"Label5", "Merge with"}},
        {"cbgrids", {"Label7", "Change Grid to"}},
        {"cbdatums", {"Label6", "Change Datum to"}},
        {"cbtargext", {"Label9", "Target Type"}},
        {"FileListBox1", {"filelistlbl", "File List"}}};
    for (const auto& [name, label] : labelledBy) {
        QWidget* control = Find(name.c_str());
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
        if (qobject_cast<QComboBox*>(control) == nullptr) {
            EXPECT_EQ(spoken->text(QAccessible::Name), label.second) << name;
            continue;
        }
        // A drop-down list speaks its value as its name and points to the label that names it.
        const auto relations = spoken->relations(QAccessible::Label);
        ASSERT_EQ(relations.size(), 1) << name;
        EXPECT_EQ(relations.front().first->object(), Find(label.first)) << name;
        EXPECT_EQ(relations.front().first->text(QAccessible::Name), label.second) << name;
    }
}

TEST_F(MainWindowTest, StatusLineIsPresentedAsAStatusBarReadingItsText) {
    Start();
    auto* status = Find<QLabel>("statuslbl");
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(status);
    EXPECT_EQ(line->role(), QAccessible::StatusBar);
    status->setText("3 files to convert");
    EXPECT_EQ(line->text(QAccessible::Name), "3 files to convert");
}

TEST_F(MainWindowTest, LabelsShowTheirWholeTextButTheStatusLineKeepsItsSize) {
    m_script->version = "TOLK 4.21.3 (build 1234, licensed)";
    Start();
    auto* connection = Find<QLabel>("connectlbl");
    auto* count = Find<QLabel>("filelistlbl");
    auto* status = Find<QLabel>("statuslbl");
    count->setText("Number of files = 123456");
    status->setText("Converted 123456 files. Could NOT convert 654321 files.");
    QApplication::processEvents();
    for (const QLabel* label : {connection, count}) {
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
            << label->objectName().toStdString();
    }
    EXPECT_EQ(connection->pos(), QPoint(8, 4));
    EXPECT_EQ(count->pos(), QPoint(312, 48));
    EXPECT_EQ(status->geometry(), QRect(40, 280, 265, 21));

    // The wrapped notice keeps its design size and still shows its last word.
    const auto* notice = Find<QLabel>("Label1");
    EXPECT_EQ(notice->geometry(), QRect(8, 24, 220, 26));
    EXPECT_LE(notice->heightForWidth(notice->width()), notice->height());
}

// The design's place for each text is as wide as the design's font needed; a wider substitute
// must neither clip a text nor run it into the list beside it.
TEST_F(MainWindowTest, FixedTextsFitTheirDesignPlaces) {
    Start();
    QApplication::processEvents();
    const std::map<const char*, QRect> labels = {
        {"Label2", {8, 60, 66, 13}},  {"Label4", {8, 108, 83, 13}}, {"Label5", {8, 132, 52, 13}},
        {"Label7", {8, 160, 71, 13}}, {"Label6", {8, 184, 83, 13}}, {"Label8", {8, 208, 63, 13}},
        {"Label9", {8, 256, 58, 13}}, {"Label3", {8, 284, 30, 13}}};
    for (const auto& [name, design] : labels) {
        const auto* label = Find<QLabel>(name);
        EXPECT_EQ(label->geometry().topLeft(), design.topLeft()) << name;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), design.width()) << name;
    }
    for (const char* name : {"cbopenExt", "cbmerge1", "cbtargext", "cbgrids", "cbdatums"}) {
        auto* list = Find<QComboBox>(name);
        QStyleOptionComboBox option;
        option.initFrom(list);
        const int room =
            list->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                .width() -
            2;
        for (int item = 0; item < list->count(); ++item) {
            EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(item)), room)
                << name << " " << list->itemText(item).toStdString();
        }
    }
}

// Every text must read on what lies behind it, under the light palette and under a dark one the
// user switches to while the window is open: a colour the window sets comes with its partner.
TEST_F(MainWindowTest, EveryLabelReadsUnderALightAndADarkPalette) {
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    for (const auto& [role, colour] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, QColor(53, 53, 53)},
             {QPalette::WindowText, Qt::white},
             {QPalette::Base, QColor(35, 35, 35)},
             {QPalette::Text, Qt::white},
             {QPalette::Button, QColor(53, 53, 53)},
             {QPalette::ButtonText, Qt::white}}) {
        dark.setColor(role, colour);
    }
    Start();
    for (const QPalette& palette : {light, dark, light}) {
        QApplication::setPalette(palette);
        QApplication::processEvents();
        for (const QLabel* label : m_window->findChildren<QLabel*>()) {
            const QWidget* behind =
                label->autoFillBackground() ? static_cast<const QWidget*>(label) : m_window.get();
            EXPECT_GE(Contrast(label->palette().color(QPalette::WindowText),
                               behind->palette().color(QPalette::Window)),
                      4.5)
                << label->objectName().toStdString() << " on "
                << palette.color(QPalette::Window).name().toStdString();
        }
    }
    EXPECT_EQ(Find<QLabel>("statuslbl")->palette().color(QPalette::Window), QColor(255, 255, 153));
}

} // namespace
} // namespace tolk
