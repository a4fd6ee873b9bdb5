#include "settings/FolderPicker.h"

#include "ScriptedFolderDialog.h"
#include "TempHome.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace tolk {
namespace {

constexpr WindowBounds Zero{};

WindowBounds Sized(const WindowBounds& size, std::int32_t left, std::int32_t top) {
    return {left, top, left + size.Right - size.Left, top + size.Bottom - size.Top};
}

class FolderPickerTest : public ::testing::Test {
protected:
    std::string Choose(const std::string& initial = "/data") {
        return m_picker.ChooseFolder(m_dialog, "Choose a Source file folder.", initial);
    }

    testing::ScriptedFolderDialog m_dialog;
    FolderPicker m_picker;
};

TEST_F(FolderPickerTest, FirstDialogOpensWhereThePlatformPutsItWithTheInitialFolderSelected) {
    m_dialog.Next().Confirm();
    EXPECT_EQ(Choose("/data/tracks"), "/data/tracks");
    EXPECT_EQ(m_dialog.prompts, std::vector<std::string>{"Choose a Source file folder."});
    EXPECT_EQ(m_dialog.initialFolders, std::vector<std::string>{"/data/tracks"});
    EXPECT_EQ(m_dialog.shownAt, std::vector<WindowBounds>{m_dialog.placement});
    // Selecting the initial folder is a selection change of its own.
    EXPECT_EQ(m_picker.PendingRect(), m_dialog.placement);
}

TEST_F(FolderPickerTest, ConfirmedDialogIsRememberedAtItsLastSelectionChange) {
    m_dialog.Next().Move(600, 300).Select("/data/a").Move(700, 400).Confirm();
    EXPECT_EQ(Choose(), "/data/a");
    EXPECT_EQ(m_picker.RememberedRect(), Sized(m_dialog.placement, 600, 300));

    // The next dialog, whatever it is for, opens at that corner in the size the platform gives.
    m_dialog.placement = {10, 10, 310, 260};
    m_picker.ChooseFolder(m_dialog, "Choose a Target file folder.", "/out");
    EXPECT_EQ(m_dialog.shownAt.back(), Sized(m_dialog.placement, 600, 300));
}

TEST_F(FolderPickerTest, CancelKeepsTheRememberedPlace) {
    m_dialog.Next().Move(600, 300).Select("/data/a").Cancel();
    EXPECT_EQ(Choose(), "");
    EXPECT_EQ(m_picker.RememberedRect(), Zero);
    Choose();
    EXPECT_EQ(m_dialog.shownAt.back(), m_dialog.placement) << "nothing confirmed yet in this run";

    m_dialog.Next().Move(50, 60).Select("/data/b").Confirm();
    Choose();
    m_dialog.Next().Move(900, 900).Select("/data/c").Cancel();
    Choose();
    Choose();
    EXPECT_EQ(m_dialog.shownAt.back(), Sized(m_dialog.placement, 50, 60));
}

TEST_F(FolderPickerTest, ConfirmWithoutANewSelectionTakesTheRectangleOfTheInitialSelection) {
    m_dialog.Next().Move(600, 300).Select("/data/a").Confirm();
    Choose();
    // This dialog is moved to 600, 300 only after its initial folder was selected, so what it
    // records is where the platform put it; confirming keeps that.
    m_dialog.Next().Move(650, 350).Confirm();
    EXPECT_EQ(Choose("/data/b"), "/data/b");
    EXPECT_EQ(m_picker.RememberedRect(), m_dialog.placement);
    Choose();
    EXPECT_EQ(m_dialog.shownAt.back(), m_dialog.placement);
}

TEST_F(FolderPickerTest, ConfirmedItemWithoutAPathGivesNothingButIsStillRemembered) {
    m_dialog.Next().Move(300, 200).Select("/computer").Confirm(false);
    EXPECT_EQ(Choose(), "");
    EXPECT_EQ(m_picker.RememberedRect(), Sized(m_dialog.placement, 300, 200));
}

TEST_F(FolderPickerTest, RectangleWithoutHeightIsNotAPlaceToOpenAt) {
    m_dialog.placement = {400, 300, 800, 300};
    m_dialog.Next().Confirm();
    Choose();
    m_dialog.placement = {120, 90, 520, 440};
    Choose();
    EXPECT_EQ(m_dialog.shownAt.back(), m_dialog.placement);
}

TEST(BrowseStartFolderTest, StoredFolderUnlessEmptyOrNotAnExistingFolder) {
    testing::TempHome home;
    const std::string existing = home / "tracks";
    std::filesystem::create_directory(existing);
    std::ofstream(home / "file.txt") << "x";
    const std::string user = home / "Documents/My TOLK";

    EXPECT_EQ(BrowseStartFolder(existing, user), existing);
    EXPECT_EQ(BrowseStartFolder("", user), user);
    EXPECT_EQ(BrowseStartFolder(home / "gone", user), user);
    EXPECT_EQ(BrowseStartFolder(home / "file.txt", user), user);
    // UserFolder itself is passed on as it is, even when it does not exist.
    EXPECT_EQ(BrowseStartFolder("", "/no/such/folder"), "/no/such/folder");
}

} // namespace
} // namespace tolk
