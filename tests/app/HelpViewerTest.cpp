#include "TempHome.h"
#include "app/HelpWindow.h"
#include "app/QtHelpViewer.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace tolk {
namespace {

// Built from data/help beside the test programs.
const std::string HelpFile = TOLK_BIN_DIR "/tolkconv.qch";

class HelpViewerTest : public ::testing::Test {
protected:
    void Show(const std::string& file, HtmlHelpCommand command, std::uintptr_t data = 0) {
        m_viewer.HtmlHelp(file, command, data);
    }
    HelpWindow* Window() const {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<HelpWindow*>(widget)) {
                return window;
            }
        }
        return nullptr;
    }
    QTextBrowser* Browser() const {
        return Window()->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    }
    QString Page() const { return Browser()->toPlainText(); }
    /// Waits for the engine's contents and index, which it builds in the background.
    bool WaitFor(const std::function<bool()>& ready) const { return QTest::qWaitFor(ready, 10000); }

    testing::TempHome m_home;
    QtHelpViewer m_viewer;
};

TEST_F(HelpViewerTest, ContextTenShowsTheConvertersOwnTopic) {
    Show(HelpFile, HtmlHelpCommand::HelpContext, 10);
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->isVisible());
    EXPECT_EQ(Window()->parentWidget(), nullptr) << "no caller window";
    EXPECT_TRUE(Browser()->source().toString().endsWith("/index.html"));
    EXPECT_EQ(Browser()->documentTitle(), "Using TOLK Batch File Converter");
    EXPECT_TRUE(Page().contains("Convert All"));
}

TEST_F(HelpViewerTest, UnmappedContextIsReportedInTheWindow) {
    Show(HelpFile, HtmlHelpCommand::HelpContext, 7);
    EXPECT_TRUE(Page().contains("has no topic for help context 7")) << Page().toStdString();
}

TEST_F(HelpViewerTest, MissingHelpFileIsReportedInTheWindowForEveryCommand) {
    const std::string missing = m_home / "bin/tolkconv.qch";
    for (HtmlHelpCommand command : {HtmlHelpCommand::HelpContext, HtmlHelpCommand::DisplayTopic,
                                    HtmlHelpCommand::DisplayIndex}) {
        if (Window() != nullptr) {
            Browser()->clear();
        }
        Show(missing, command, command == HtmlHelpCommand::HelpContext ? 10 : 0);
        ASSERT_NE(Window(), nullptr);
        EXPECT_TRUE(Window()->isVisible());
        EXPECT_TRUE(Page().contains("Help is not available"));
        EXPECT_TRUE(Page().contains(QString::fromStdString(missing) + "\" could not be found"))
            << Page().toStdString();
    }
}

TEST_F(HelpViewerTest, UnreadableHelpFileIsReportedInTheWindow) {
    const std::string broken = m_home / "tolkconv.qch";
    std::ofstream(broken) << "not a help file";
    Show(broken, HtmlHelpCommand::HelpContext, 10);
    EXPECT_TRUE(Page().contains("could not be read")) << Page().toStdString();
}

TEST_F(HelpViewerTest, DisplayTopicShowsTheFirstTopicOfTheContents) {
    Show(HelpFile, HtmlHelpCommand::DisplayTopic);
    ASSERT_TRUE(WaitFor([this] { return !Browser()->source().isEmpty(); }));
    EXPECT_TRUE(Browser()->source().toString().endsWith("/index.html"));
}

TEST_F(HelpViewerTest, DisplayIndexOpensTheKeywordIndexAtTheKeyword) {
    const char keyword[] = "Merge";
    Show(HelpFile, HtmlHelpCommand::DisplayIndex, reinterpret_cast<std::uintptr_t>(keyword));
    auto* navigation = Window()->findChild<QTabWidget*>(QStringLiteral("helpNavigation"));
    EXPECT_EQ(navigation->tabText(navigation->currentIndex()), "Index");
    EXPECT_EQ(Window()->findChild<QLineEdit*>(QStringLiteral("helpKeyword"))->text(), "Merge");
    auto* index = navigation->currentWidget()->findChild<QListView*>();
    ASSERT_NE(index, nullptr);
    EXPECT_TRUE(WaitFor([index] {
        return index->currentIndex().data().toString() == QStringLiteral("Merge with");
    }));
}

TEST_F(HelpViewerTest, CloseAllClosesTheHelpWindow) {
    Show("", HtmlHelpCommand::CloseAll); // nothing open yet: nothing to do
    EXPECT_EQ(Window(), nullptr);
    Show(HelpFile, HtmlHelpCommand::HelpContext, 10);
    m_viewer.HtmlHelp(std::nullopt, HtmlHelpCommand::CloseAll, 0);
    EXPECT_FALSE(Window()->isVisible());
}

} // namespace
} // namespace tolk
