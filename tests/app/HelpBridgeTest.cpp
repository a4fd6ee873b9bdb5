#include "RecordingHelpViewer.h"
#include "app/UseHTMLHelp.h"

#include <gtest/gtest.h>

namespace tolk {
namespace {

using testing::RecordingHelpViewer;
using Call = RecordingHelpViewer::Call;

class HelpBridgeTest : public ::testing::Test {
protected:
    /// Makes one request through the application and checks how the bridge answered it.
    void Request(std::uint16_t command, std::uintptr_t data) {
        EXPECT_TRUE(m_application.HelpCommand(command, data)) << "always handled";
    }

    std::string m_helpFile = "/opt/tolk/tolkconv.qch";
    RecordingHelpViewer m_viewer;
    ApplicationHelp m_application;
};

TEST_F(HelpBridgeTest, EachClassicCommandBecomesOneViewerCall) {
    const TUseHTMLHelp bridge(m_application, m_helpFile, m_viewer);
    const char keyword[] = "Merge with";
    const auto keywordData = reinterpret_cast<std::uintptr_t>(keyword);

    Request(ClassicHelp::Context, 10);
    Request(ClassicHelp::ContextPopup, 7);
    Request(ClassicHelp::Key, keywordData);
    Request(ClassicHelp::Quit, 99);
    Request(ClassicHelp::Contents, 5);
    Request(0x0105, 5); // HELP_PARTIALKEY: not in the table, so the default topic

    const std::vector<Call> expected = {
        {m_helpFile, HtmlHelpCommand::HelpContext, 10},
        {m_helpFile, HtmlHelpCommand::HelpContext, 7},
        {m_helpFile, HtmlHelpCommand::DisplayIndex, keywordData},
        {std::nullopt, HtmlHelpCommand::CloseAll, 0},
        {m_helpFile, HtmlHelpCommand::DisplayTopic, 0},
        {m_helpFile, HtmlHelpCommand::DisplayTopic, 0},
    };
    EXPECT_EQ(m_viewer.calls, expected);
}

TEST_F(HelpBridgeTest, HookClearsTheClassicHelpFlag) {
    TUseHTMLHelp bridge(m_application, m_helpFile, m_viewer);
    for (std::uint16_t command : {ClassicHelp::Context, ClassicHelp::Quit, std::uint16_t{42}}) {
        bool callHelp = true;
        EXPECT_TRUE(bridge.HandleHelp(command, 0, callHelp));
        EXPECT_FALSE(callHelp) << command;
    }
}

TEST_F(HelpBridgeTest, HelpFileIsReadAtEachRequest) {
    const TUseHTMLHelp bridge(m_application, m_helpFile, m_viewer);
    m_helpFile = "tolkconv.qch";
    m_application.HelpContext(10);
    m_helpFile = "/usr/lib/tolk/tolkconv.qch";
    m_application.HelpContext(10);
    ASSERT_EQ(m_viewer.calls.size(), 2u);
    EXPECT_EQ(m_viewer.calls[0].file, "tolkconv.qch");
    EXPECT_EQ(m_viewer.calls[1].file, "/usr/lib/tolk/tolkconv.qch");
}

TEST_F(HelpBridgeTest, RequestsAfterTheBridgeIsGoneNeverReachTheViewer) {
    { const TUseHTMLHelp bridge(m_application, m_helpFile, m_viewer); }
    // As at exit: the application's closing request comes after the bridge was removed.
    EXPECT_FALSE(m_application.HelpCommand(ClassicHelp::Quit, 0));
    EXPECT_FALSE(m_application.HelpContext(10));
    EXPECT_TRUE(m_viewer.calls.empty());
}

} // namespace
} // namespace tolk
