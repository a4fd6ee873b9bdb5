#include "CommandWindowTest.h"
#include "app/TOptionsFrm.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace tolk::testing {
namespace {

using Call = RecordingHelpViewer::Call;

class HelpWindowCommandsTest : public CommandWindowTest {
protected:
    void SetUp() override {
        Start();
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }
    void PressF1On(const char* name) {
        QWidget* widget = Find(name);
        widget->setFocus();
        ASSERT_TRUE(widget->hasFocus()) << name;
        QTest::keyClick(widget, Qt::Key_F1);
    }
    Call HelpForContext10() const { return {m_records.HelpFile, HtmlHelpCommand::HelpContext, 10}; }
};

TEST_F(HelpWindowCommandsTest, HelpButtonAsksForContextTenOfTheHelpFile) {
    ASSERT_EQ(m_records.HelpFile, m_home / "bin/tolkconv.qch");
    const QRect before = m_window->geometry();
    Find<QPushButton>("BitBtn1")->click();
    EXPECT_EQ(m_viewer.calls, std::vector<Call>{HelpForContext10()});
    // Help never closes or changes the window.
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(m_window->geometry(), before);
}

TEST_F(HelpWindowCommandsTest, HelpKeyWorksOnlyWhileTheHelpButtonHasTheFocus) {
    for (const char* elsewhere : {"ebsource", "browsebtn", "cbopenExt", "FileListBox1"}) {
        PressF1On(elsewhere);
    }
    EXPECT_TRUE(m_viewer.calls.empty());
    PressF1On("BitBtn1");
    EXPECT_EQ(m_viewer.calls, std::vector<Call>{HelpForContext10()});
}

/// Runs the check on the options dialog once it shows, then lets the check close it.
void WhenOptionsShow(std::function<void(TOptionsFrm&)> check) {
    QTimer::singleShot(0, [check = std::move(check)] {
        auto* dialog = qobject_cast<TOptionsFrm*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        check(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the options dialog is still open";
            dialog->done(QDialog::Rejected);
        }
    });
}

QLineEdit* Edit(TOptionsFrm& dialog, const char* name) {
    return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
}

const char* const ParameterBoxes[] = {"edlong",  "edheading",     "edstep",
                                      "eddelta", "edrandheading", "edperiod"};

class OptionsDialogTest : public CommandWindowTest {
protected:
    void SetUp() override { Start(); }
    void OpenOptions() {
        QAction* options = m_window->findChild<QAction*>(QStringLiteral("mnuOptions"));
        ASSERT_NE(options, nullptr);
        options->trigger();
    }
};

TEST_F(OptionsDialogTest, EveryOpeningStartsAfreshWithDummyLatitude) {
    const ConversionSettings before = m_records.Settings;
    WhenOptionsShow([](TOptionsFrm& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "TOLK Driver Options");
        EXPECT_EQ(dialog.objectName(), "OptionsFrm");
        EXPECT_TRUE(dialog.isModal());
        EXPECT_EQ(Edit(dialog, "edlat")->text(), "dummy");
        for (const char* box : ParameterBoxes) {
            EXPECT_EQ(Edit(dialog, box)->text(), "") << box;
            Edit(dialog, box)->setText(QStringLiteral("42"));
        }
        Edit(dialog, "edlat")->setText(QStringLiteral("51.5"));
        dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        EXPECT_EQ(Edit(dialog, "edlat")->text(), "dummy");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    OpenOptions();
    EXPECT_EQ(m_window->findChild<TOptionsFrm*>(), nullptr) << "the dialog is freed on closing";

    WhenOptionsShow([](TOptionsFrm& dialog) {
        EXPECT_EQ(Edit(dialog, "edlat")->text(), "dummy");
        for (const char* box : ParameterBoxes) {
            EXPECT_EQ(Edit(dialog, box)->text(), "") << box;
        }
        dialog.findChild<QPushButton*>(QStringLiteral("CloseBtn"))->click();
    });
    OpenOptions();
    EXPECT_EQ(m_records.Settings.SourceFldr, before.SourceFldr);
    EXPECT_EQ(m_records.Settings.Datum, before.Datum);
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(OptionsDialogTest, ItsOuterSizeIsTheDesignsAndItsLabelsFitBesideTheBoxes) {
    TOptionsFrm dialog(m_window.get());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.frameGeometry(), QRect(471, 201, 254, 364));
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        const QWidget* box = label->buddy();
        const int room = box ? box->x() - label->x() - 4 : label->width();
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), room)
            << label->objectName().toStdString();
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << label->objectName().toStdString();
    }
}

TEST_F(OptionsDialogTest, EscapeLeavesItOpenAndEnterPressesOk) {
    WhenOptionsShow([](TOptionsFrm& dialog) {
        QLineEdit* longitude = Edit(dialog, "edlong");
        longitude->setFocus();
        QTest::keyClick(longitude, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(longitude, Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    OpenOptions();
}

} // namespace
} // namespace tolk::testing
