// The main window under a Wayland compositor (run by tests/app/under-weston), where Qt draws the
// window's frame itself and the compositor alone places windows.
#include "CommandWindowTest.h"
#include "TextFiles.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace tolk {
namespace {

class WaylandWindowTest : public testing::CommandWindowTest {
protected:
    void StartAt(const std::string& bounds) {
        testing::WriteTextFile(m_home / ".local/share/Orvane/TOLK/tolkconv.ini",
                               "[GENERAL]\r\nWBounds=" + bounds + "\r\n");
        Start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get(), 10000));
    }
    void ExpectEveryTextWhole() {
        for (const QLabel* label : m_window->findChildren<QLabel*>()) {
            if (label->isVisible() && !label->wordWrap() && label->objectName() != "statuslbl") {
                EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
                    << label->objectName().toStdString();
            }
        }
        const auto* notice = Find<QLabel>("Label1");
        EXPECT_LE(notice->heightForWidth(notice->width()), notice->height());
    }
};

TEST_F(WaylandWindowTest, TheWindowMapsKeepsItsLayoutRuleAndShowsEveryTextWhole) {
    ASSERT_EQ(QGuiApplication::platformName(), "wayland");
    // At 0,0, where Qt puts a Wayland window, no move follows the showing; elsewhere one does.
    for (const std::string bounds : {"0 0 478 400", "100 80 600 500"}) {
        StartAt(bounds);
        const WindowBounds loaded = m_records.Settings.WBounds;
        // The frame is Qt's own, known once the window is shown: the window takes the saved
        // outer size, frame included, instead of growing by the frame at every start.
        const QSize saved(loaded.Right - loaded.Left, loaded.Bottom - loaded.Top);
        EXPECT_TRUE(QTest::qWaitFor([&] { return m_window->frameGeometry().size() == saved; }))
            << bounds << ": " << m_window->frameGeometry().width() << "x"
            << m_window->frameGeometry().height();
        EXPECT_FALSE(FrameExtent().isNull());

        DragTo(300, 300);
        EXPECT_EQ(m_window->frameGeometry().size(), QSize(440, 400));
        EXPECT_EQ(m_window->windowHandle()->minimumSize() + FrameExtent(), QSize(440, 400));
        DragTo(700, 500);
        ExpectAnchoredToClientArea();
        ExpectEveryTextWhole();

        // The compositor never says where the window lies: its saved place stays as it was.
        m_window->close();
        EXPECT_EQ(m_records.Settings.WBounds,
                  (WindowBounds{loaded.Left, loaded.Top, loaded.Left + 700, loaded.Top + 500}))
            << bounds;
    }
}

// The screen is 1024 x 640 (tests/app/under-weston), and the compositor's panel takes part of it,
// which Qt cannot tell: the window still fits what is left, its run buttons on the screen.
TEST_F(WaylandWindowTest, ASavedSizeLargerThanTheScreenFitsWhatThePanelsLeave) {
    StartAt("0 0 1002 725");
    const QRect screen = m_window->screen()->geometry();
    ASSERT_EQ(screen.size(), QSize(1024, 640));
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_window->frameGeometry().height() < 640; }))
        << m_window->frameGeometry().height();
    EXPECT_LE(m_window->frameGeometry().width(), 1024);
    ExpectAnchoredToClientArea();
}

} // namespace
} // namespace tolk
