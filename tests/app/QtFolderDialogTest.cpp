#include "app/QtFolderDialog.h"

#include "TempHome.h"
#include "settings/FolderPicker.h"

#include <QApplication>
#include <QFileDialog>
#include <QListView>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace tolk {
namespace {

/// Makes the named folder current in the dialog's list, as a click on it does.
void ClickFolder(QFileDialog& dialog, const QString& name) {
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    ASSERT_NE(view, nullptr);
    QModelIndex folder;
    // The dialog reads its folders in the background.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
            const QModelIndex index = view->model()->index(row, 0, view->rootIndex());
            if (index.data().toString() == name) {
                folder = index;
            }
        }
        return folder.isValid();
    }));
    view->setCurrentIndex(folder);
}

class QtFolderDialogTest : public ::testing::Test {
protected:
    std::string Folder(const std::string& name) {
        const std::string folder = m_home / name;
        std::filesystem::create_directories(folder);
        return folder;
    }
    /// Chooses a folder, acting in the real dialog once it shows.
    std::string Choose(const std::string& initial, std::function<void(QFileDialog&)> act) {
        QTimer::singleShot(0, [act = std::move(act)] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
            if (dialog->isVisible()) {
                dialog->reject();
            }
        });
        return m_picker.ChooseFolder(m_dialog, "Choose a Source file folder.", initial);
    }

    testing::TempHome m_home;
    QtFolderDialog m_dialog;
    FolderPicker m_picker;
};

TEST_F(QtFolderDialogTest, OpensOnTheInitialFolderAndReturnsTheConfirmedOne) {
    const std::string tracks = Folder("data/tracks");
    Folder("data/other");
    QPoint firstPlace;
    const std::string chosen = Choose(tracks, [&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Choose a Source file folder.");
        EXPECT_EQ(dialog.fileMode(), QFileDialog::Directory);
        EXPECT_TRUE(dialog.testOption(QFileDialog::ShowDirsOnly));
        EXPECT_EQ(dialog.selectedFiles(), QStringList{QString::fromStdString(tracks)});
        firstPlace = dialog.frameGeometry().topLeft();
        static_cast<QDialog&>(dialog).accept(); // as the Choose button does
    });
    EXPECT_EQ(chosen, tracks);
    EXPECT_EQ(m_picker.RememberedRect().Left, firstPlace.x());
    EXPECT_EQ(m_picker.RememberedRect().Top, firstPlace.y());
}

TEST_F(QtFolderDialogTest, NextDialogOpensWhereTheConfirmedOneWasAtItsLastSelection) {
    const std::string tracks = Folder("data/tracks");
    const std::string other = Folder("data/other");
    Choose(tracks, [&](QFileDialog& dialog) {
        dialog.move(340, 210);
        ClickFolder(dialog, QStringLiteral("other"));
        dialog.move(600, 400);
        static_cast<QDialog&>(dialog).accept(); // as the Choose button does
    });
    EXPECT_EQ(m_picker.RememberedRect().Left, 340);
    EXPECT_EQ(m_picker.RememberedRect().Top, 210);

    QPoint secondPlace;
    const std::string chosen = Choose(tracks, [&](QFileDialog& dialog) {
        secondPlace = dialog.frameGeometry().topLeft();
        dialog.reject();
    });
    EXPECT_EQ(chosen, "");
    EXPECT_EQ(secondPlace, QPoint(340, 210));
}

} // namespace
} // namespace tolk
