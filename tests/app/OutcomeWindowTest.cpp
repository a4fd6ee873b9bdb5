// What the window tells of each file beyond the status line: the marks and reasons in the list,
// their context menu, the highlight and the window brought to the front after a command.
#include "CommandWindowTest.h"
#include "WindowRun.h"
#include "app/ReadableColour.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

namespace tolk::testing {
namespace {

const std::string NoData = "the source held no data";
const std::string RoutesNotKept = "2 routes not kept: the target type holds tracks only";

// Runs of four files by one job: a and d convert, b keeps only part of its data, c fails.
class OutcomeWindowTest : public CommandWindowTest {
protected:
    Tmainfrm& StartWithFailures() {
        Tmainfrm& window = StartWith(1, {"a.txt", "b.txt", "c.txt", "d.txt"});
        m_script->reason = NoData;
        m_script->onCall = [this](const std::string& operation, const std::string& path) {
            if (operation == "SaveFileAs") {
                m_script->notKept = path.ends_with("/b.kml") ? RoutesNotKept : "";
            }
        };
        for (const int result : {0, 0, 1, 0}) {
            m_script->QueueResult("SaveFileAs", result);
        }
        return window;
    }
    Tmainfrm& RunWithFailures() {
        Tmainfrm& window = StartWithFailures();
        ClickAndWait(window, "convall");
        return window;
    }
    QListWidget* List() { return Find<QListWidget>("FileListBox1"); }
    std::string ToolTip(int row) { return List()->item(row)->toolTip().toStdString(); }
    std::vector<std::string> ToolTips() {
        std::vector<std::string> tips;
        for (int row = 0; row < List()->count(); ++row) {
            tips.push_back(ToolTip(row));
            EXPECT_EQ(List()->item(row)->data(Qt::AccessibleDescriptionRole).toString(),
                      List()->item(row)->toolTip());
        }
        return tips;
    }
    // For each row, the share of its mark's square that stands out from the list's background
    // (3 : 1, as graphics must), drawn as it shows.
    std::vector<double> MarkShares() {
        QApplication::processEvents();
        const QImage shown = List()->viewport()->grab().toImage();
        const QColor background = List()->palette().color(QPalette::Base);
        std::vector<double> shares;
        for (int row = 0; row < List()->count(); ++row) {
            const QRect rect = List()->visualItemRect(List()->item(row));
            const int side = rect.height();
            int standing = 0;
            for (int x = rect.right() - side + 1; x <= rect.right(); ++x) {
                for (int y = rect.top(); y <= rect.bottom(); ++y) {
                    standing += Contrast(shown.pixelColor(x, y), background) >= 3.0 ? 1 : 0;
                }
            }
            shares.push_back(double(standing) / (side * side));
        }
        return shares;
    }
    void ActivateAnotherWindow() {
        m_other.show();
        m_other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_other));
    }
    // The context menu as a right click on the widget at the point opens it: the click selects
    // what lies there, then asks for the menu.
    QMenu* OpenMenuAt(QWidget* widget, const QPoint& at) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &click);
        return OpenMenu();
    }
    QMenu* OpenMenu() {
        QMenu* menu = nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&] {
            menu = m_window->findChild<QMenu*>("OutcomeMenu");
            return menu && menu->isVisible();
        }));
        return menu;
    }
    void Choose(QMenu* menu, const char* action) {
        QAction* chosen = menu->findChild<QAction*>(action);
        ASSERT_NE(chosen, nullptr) << action;
        EXPECT_TRUE(chosen->isEnabled()) << action;
        menu->close();
        chosen->trigger();
        QApplication::processEvents();
    }

    QWidget m_other;
};

TEST_F(OutcomeWindowTest, EachFileShowsHowItEndedWhereverItsMarkIsAndWhateverTheScheme) {
    Tmainfrm& window = RunWithFailures();

    const std::vector<std::string> afterRun = {
        "Converted", "Converted, but only part of its data was kept\n" + RoutesNotKept,
        "Not converted\n" + NoData, "Converted"};
    EXPECT_EQ(ToolTips(), afterRun);

    // Marks read as well on a dark list as on a light one.
    window.FileList().SetCurrentIndex(-1);
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, Qt::white);
    for (const QPalette& palette : {QApplication::palette(), dark}) {
        QApplication::setPalette(palette);
        for (const double share : MarkShares()) {
            EXPECT_GE(share, 0.25) << palette.color(QPalette::Base).name().toStdString();
        }
    }

    // Skip Selected moves the highlight and leaves every mark; Convert Selected changes its
    // file's mark alone, moves the highlight on and brings the window to the front.
    window.FileList().SetCurrentIndex(1);
    Find<QPushButton>("skipbtn")->click();
    EXPECT_EQ(List()->currentRow(), 2);
    m_script->QueueResult("SaveFileAs", 0);
    ActivateAnotherWindow();
    ClickAndWait(window, "convone");
    EXPECT_EQ(List()->currentRow(), 3);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    std::vector<std::string> afterSelected = afterRun;
    afterSelected[2] = "Converted";
    EXPECT_EQ(ToolTips(), afterSelected);

    // The next Convert All tells each file anew.
    m_script->QueueResult("SaveFileAs", 1);
    ClickAndWait(window, "convall");
    EXPECT_EQ(ToolTips(), (std::vector<std::string>{"Not converted\n" + NoData, afterRun[1],
                                                    "Converted", "Converted"}));

    // Any refresh of the list takes the marks away, also one that reads no names anew.
    const std::string source = MakeFolder("src", {"a.txt", "b.txt", "c.txt", "d.txt"});
    for (const bool run : {true, false}) {
        m_dialog->Next().Select(source).Confirm();
        Find<QPushButton>("browsebtn")->click();
        if (run) {
            ClickAndWait(window, "convall");
            ASSERT_EQ(ToolTip(0), "Converted");
        }
    }
    EXPECT_EQ(ToolTips(), std::vector<std::string>(4, ""));
}

TEST_F(OutcomeWindowTest, TheMenuShowsAndCopiesTheReasonAndOpensTheTargetFolderAndTheLog) {
    std::vector<QUrl> opened;
    m_services->openUrl = [&opened](const QUrl& url) {
        opened.push_back(url);
        return url.toLocalFile().endsWith(".log");
    };
    RunWithFailures();
    const QRect failed = List()->visualItemRect(List()->item(2));

    Choose(OpenMenuAt(List()->viewport(), failed.center()), "CopyReason");
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), NoData);

    // From the keyboard, the menu is about the highlighted file, the one clicked last.
    for (const auto key : {QKeyCombination(Qt::Key_Menu), Qt::SHIFT | Qt::Key_F10}) {
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        List()->setFocus();
        QTest::keyClick(List(), key.key(), key.keyboardModifiers());
        Choose(OpenMenu(), "ShowReason");
        auto* box = m_window->findChild<QDialog*>("ReasonBox");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->findChild<QPlainTextEdit*>()->toPlainText().toStdString(), NoData);
        box->close();
    }

    Choose(OpenMenuAt(Find<QLabel>("statuslbl"), {5, 5}), "OpenConversionLog");
    Choose(OpenMenuAt(List()->viewport(), failed.center()), "OpenTargetFolder");
    EXPECT_EQ(opened,
              (std::vector<QUrl>{QUrl::fromLocalFile(QString::fromStdString(m_records.WorkFolder) +
                                                     "/conversion.log"),
                                 QUrl::fromLocalFile(QString::fromStdString(m_home / "out"))}));
    EXPECT_EQ(m_messages.shown,
              std::vector<std::string>{"message: The desktop has nothing that opens " +
                                       m_home / "out" + "."});

    // A file that converted gives no reason to show or copy.
    QMenu* menu = OpenMenuAt(List()->viewport(), List()->visualItemRect(List()->item(0)).center());
    EXPECT_FALSE(menu->findChild<QAction*>("ShowReason")->isEnabled());
    EXPECT_FALSE(menu->findChild<QAction*>("CopyReason")->isEnabled());
    menu->close();
}

// The desktop's notification service as the window sees it on the session bus.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    static constexpr uint Id = 7;
    std::vector<QStringList> received;

public slots:
    uint Notify(const QString& application, uint, const QString&, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap&, int) {
        received.push_back({application, summary, body, actions.value(0)});
        return Id;
    }
};

// A session bus of the test's own, with the fake service on it.
class PrivateSessionBus {
public:
    PrivateSessionBus() {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {"--session", "--nofork", "--print-address=1"});
        if (m_daemon.waitForReadyRead(10000)) {
            address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        }
    }
    ~PrivateSessionBus() {
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-notifications"));
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }
    QDBusConnection Offer(FakeNotifications& service) {
        QDBusConnection bus =
            QDBusConnection::connectToBus(address, QStringLiteral("fake-notifications"));
        EXPECT_TRUE(bus.registerService(QStringLiteral("org.freedesktop.Notifications")));
        EXPECT_TRUE(bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                       QDBusConnection::ExportAllSlots));
        return bus;
    }

    QString address;

private:
    QProcess m_daemon;
};

TEST_F(OutcomeWindowTest, ALongRunThatEndsBehindOtherWindowsIsToldToTheDesktop) {
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty()) {
        GTEST_SKIP() << "dbus-daemon is not installed";
    }
    PrivateSessionBus session;
    ASSERT_FALSE(session.address.isEmpty());
    const QByteArray before = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", session.address.toUtf8());
    FakeNotifications service;
    QDBusConnection bus = session.Offer(service);
    m_services->longRun = std::chrono::milliseconds(0);

    // Ended in front of the user, a run is not told.
    Tmainfrm& window = StartWith(1, {"a.txt"});
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ClickAndWait(window, "convall");
    EXPECT_FALSE(QDBusConnection(QStringLiteral("tolkconv-run-end-notice")).isConnected())
        << "nothing reached the session bus";

    Tmainfrm& behind = StartWithFailures();
    ActivateAnotherWindow();
    ClickAndWait(behind, "convall");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !service.received.empty(); }));
    EXPECT_EQ(service.received,
              (std::vector<QStringList>{{"TOLK Batch File Converter",
                                         "Converted 3 files. NOT CONVERTED = 1",
                                         "1 file kept only part of its data", "default"}}));

    // Clicking the notice brings the window back.
    ActivateAnotherWindow();
    QDBusMessage clicked = QDBusMessage::createSignal(
        "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked");
    clicked << FakeNotifications::Id << QStringLiteral("default");
    bus.send(clicked);
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    m_window.reset();
    qputenv("DBUS_SESSION_BUS_ADDRESS", before);
}

} // namespace
} // namespace tolk::testing

#include "OutcomeWindowTest.moc"
