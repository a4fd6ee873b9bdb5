#include "CommandWindowTest.h"
#include "TextFiles.h"
#include "WindowRun.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

namespace tolk::testing {
namespace {

using Lines = std::vector<std::string>;
using namespace std::chrono_literals;

// "Convert All" and "Convert Selected" as the window runs them, off its thread with several jobs.
class RunWindowTest : public CommandWindowTest {
protected:
    // Holds every file's open back until Release, once the named file is being opened.
    void HoldOpening(const std::string& name) {
        m_script->onCall = [this, name](const std::string& operation, const std::string& path) {
            if (operation == "OpenFile" && path.ends_with("/" + name)) {
                m_holding = true;
                const auto deadline = std::chrono::steady_clock::now() + 5s;
                while (!m_released && std::chrono::steady_clock::now() < deadline) {
                    std::this_thread::sleep_for(1ms);
                }
            }
        };
    }
    void WaitUntilHolding() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return m_holding.load(); }, 5000));
    }
    std::string ReadLog() const { return ReadTextFile(m_records.WorkFolder + "/conversion.log"); }
    std::string Status() { return Find<QLabel>("statuslbl")->text().toStdString(); }
    // How many rows of the file list show an outcome.
    int MarkedRows() {
        auto* list = Find<QListWidget>("FileListBox1");
        int marked = 0;
        for (int row = 0; row < list->count(); ++row) {
            marked += list->item(row)->toolTip().isEmpty() ? 0 : 1;
        }
        return marked;
    }
    bool Opened(const std::string& name) {
        return std::ranges::find(m_script->calls, "OpenFile(" + m_home / ("src/" + name) + ")") !=
               m_script->calls.end();
    }

    std::atomic<bool> m_holding = false;
    std::atomic<bool> m_released = false;
};

TEST_F(RunWindowTest, SeveralJobsShowTextsAndBoxesInListOrderWhateverFinishesFirst) {
    Tmainfrm& window = StartWith(3, {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"});
    m_records.Settings.Grid = "UTM/UPS";
    m_script->SetResult("ChangeGrid", 1);
    m_script->SetResult("CloseWindow", 7);
    // The earlier a file in the list, the longer its open takes.
    m_script->onCall = [](const std::string& operation, const std::string& path) {
        if (operation == "OpenFile") {
            std::this_thread::sleep_for((10 - 2 * (path[path.size() - 5] - 'a')) * 4ms);
        }
    };
    Lines statusAtEachBox;
    std::vector<int> marksAtEachBox;
    m_messages.onMessage = [&](const std::string&) {
        statusAtEachBox.push_back(Status());
        marksAtEachBox.push_back(MarkedRows());
    };

    ClickAndWait(window, "convall");

    EXPECT_EQ(statusAtEachBox, (Lines{"Converting: a", "Converting: b", "Converting: c",
                                      "Converting: d", "Converting: e"}));
    EXPECT_EQ(marksAtEachBox, (std::vector<int>{0, 1, 2, 3, 4}))
        << "the list behind a box shows every file done before it";
    EXPECT_EQ(m_messages.shown, Lines(5, "message: Unable to change grid"));
    EXPECT_EQ(Status(), "Converted 5 files.");
    EXPECT_EQ(Find<QLineEdit>("returncode")->text(), "7");
    EXPECT_EQ(window.FileList().CurrentIndex(), 4) << "the selection moved on once per file";
    EXPECT_EQ(Find<QPushButton>("convall")->text(), "Convert All");
}

TEST_F(RunWindowTest, TheWindowAnswersDuringARunWithItsCommandsHeldAndConvertAllReadingStop) {
    // Making a job's host finds the engine and reads its formats: slow, and never the window's.
    std::atomic<bool> running = false;
    std::atomic<int> madeOnTheWindowsThread = 0;
    m_services->createHost = [&, make = m_services->createHost] {
        if (running) {
            madeOnTheWindowsThread += QThread::currentThread() == qApp->thread() ? 1 : 0;
            std::this_thread::sleep_for(100ms);
        }
        return make();
    };
    StartWith(3, {"a.txt", "b.txt", "c.txt"});
    running = true;
    m_script->onCall = [](const std::string& operation, const std::string&) {
        if (operation == "SaveFileAs") {
            std::this_thread::sleep_for(150ms);
        }
    };
    int ticks = 0;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start();

    Find<QPushButton>("convall")->click();
    EXPECT_TRUE(m_window->Running());
    EXPECT_EQ(Find<QPushButton>("convall")->text(), "Stop");
    for (const char* held : {"convone", "skipbtn", "browsebtn", "cbopenExt", "cbtargext",
                             "cbtargassrc", "ebtarget", "FileListBox1"}) {
        EXPECT_FALSE(Find(held)->isEnabled()) << held;
    }
    WaitForRun(*m_window);

    EXPECT_GE(ticks, 10) << "the timer fired while hosts were made and the engine worked";
    EXPECT_EQ(madeOnTheWindowsThread, 0);
    EXPECT_EQ(Status(), "Converted 3 files.");
    EXPECT_TRUE(Find("convone")->isEnabled());
    EXPECT_TRUE(Find("cbtargext")->isEnabled());
}

// A host that answers at once keeps news coming faster than the window shows it; the window
// still takes its turns between showings, and in the end shows what a slow run shows.
TEST_F(RunWindowTest, TimersRunWhileNewsKeepsComingAndTheEndIsShownWhole) {
    constexpr int Files = 3000;
    std::vector<std::string> names;
    for (int file = 0; file < Files; ++file) {
        names.push_back("f" + std::to_string(file) + ".txt");
    }
    Tmainfrm& window = StartWith(2, names);
    int ticksDuringRun = 0;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] { ticksDuringRun += window.Running() ? 1 : 0; });
    timer.start();

    ClickAndWait(window, "convall");

    EXPECT_GE(ticksDuringRun, 10) << "the window's timers ran during the run";
    EXPECT_EQ(Status(), "Converted 3000 files.");
    EXPECT_EQ(MarkedRows(), Files);
    EXPECT_EQ(window.FileList().CurrentIndex(), Files - 1);
    EXPECT_EQ(Find<QListWidget>("FileListBox1")->currentRow(), Files - 1);
}

TEST_F(RunWindowTest, StopOrEscapeEndsTheRunAfterTheFilesInProgress) {
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "Stop");
        m_holding = m_released = false;
        m_script->calls.clear();
        Tmainfrm& window = StartWith(1, {"a.txt", "b.txt", "c.txt", "d.txt"});
        HoldOpening("b.txt");
        Find<QPushButton>("convall")->click();
        WaitUntilHolding();

        if (escape) {
            window.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
            QTest::keyClick(&window, Qt::Key_Escape);
        } else {
            Find<QPushButton>("convall")->click();
        }
        m_released = true;
        WaitForRun(window);

        EXPECT_EQ(Status(), "Converted 2 files.") << "the summary of the files done";
        EXPECT_TRUE(Opened("b.txt"));
        EXPECT_FALSE(Opened("c.txt"));
        EXPECT_EQ(window.FileList().CurrentIndex(), 2) << "on the first file not converted";
        EXPECT_EQ(Find<QPushButton>("convall")->text(), "Convert All");
    }
}

TEST_F(RunWindowTest, ClosingDuringARunAsksThenClosesOnceTheFilesInProgressAreDone) {
    Tmainfrm& window = StartWith(1, {"a.txt", "b.txt", "c.txt"});
    HoldOpening("a.txt");
    Find<QPushButton>("convall")->click();
    WaitUntilHolding();

    window.close();
    EXPECT_TRUE(window.isVisible()) << "answered No";
    m_messages.answers = {true};
    window.close();
    EXPECT_TRUE(window.isVisible()) << "a file is still in progress";
    EXPECT_EQ(m_messages.shown.size(), 2u);
    EXPECT_EQ(m_messages.shown[0].rfind("question: A conversion is running.", 0), 0u);

    m_released = true;
    WaitForRun(window);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 2000));
    EXPECT_EQ(Status(), "Converted 1 files.");
    EXPECT_FALSE(Opened("b.txt"));
}

TEST_F(RunWindowTest, YesToTheCloseQuestionAfterTheRunEndedClosesTheWindow) {
    Tmainfrm& window = StartWith(1, {"a.txt"});
    HoldOpening("a.txt");
    Find<QPushButton>("convall")->click();
    WaitUntilHolding();
    m_messages.onQuestion = [&](const std::string&) {
        m_released = true;
        WaitForRun(window);
    };
    m_messages.answers = {true};
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(Status(), "Converted 1 files.");
}

// A box waiting for its answer holds the run: the jobs finish what they began, and no further
// file begins until it is answered.
TEST_F(RunWindowTest, ABoxOnScreenHoldsTheRun) {
    Tmainfrm& window = StartWith(2, {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"});
    m_records.Settings.Grid = "UTM/UPS";
    m_script->SetResult("ChangeGrid", 1);
    std::vector<std::size_t> openedDuringBoxes;
    m_messages.onMessage = [&](const std::string&) {
        std::this_thread::sleep_for(100ms);
        openedDuringBoxes.push_back(std::ranges::count_if(
            m_script->calls, [](const std::string& call) { return call.starts_with("OpenFile"); }));
    };
    ClickAndWait(window, "convall");
    ASSERT_EQ(openedDuringBoxes.size(), 5u);
    for (std::size_t box = 0; box < openedDuringBoxes.size(); ++box) {
        EXPECT_LE(openedDuringBoxes[box], box + 2) << "no more than the two jobs' files begun";
    }
    EXPECT_EQ(Status(), "Converted 5 files.");
}

// A name may hold any character but "/": it is shown with "?" for a control character, and
// written escaped to the log, a line per file.
TEST_F(RunWindowTest, ControlCharactersInNamesCannotSplitALineOrTheLog) {
    Tmainfrm& window = StartWith(1, {"a\nb.txt", "c\td.txt"});
    m_script->QueueResult("SaveFileAs", 3);
    m_script->reason = "missing section header in " + m_home / "src/a\nb.txt";
    ClickAndWait(window, "convall");
    EXPECT_EQ(Find<QListWidget>("FileListBox1")->item(0)->text(), "a?b.txt");
    EXPECT_EQ(ReadLog(), "a\\nb.txt\tNOT converted\tmissing section header in " +
                             m_home / "src/a\\nb.txt\nc\\td.txt\tConverted\t\n");
    m_messages.shown.clear();
    window.FileList().SetCurrentIndex(0);
    ClickAndWait(window, "convone");
    EXPECT_EQ(Status(), "Converted: a?b");
}

TEST_F(RunWindowTest, AFailedFileShowsItsReasonAsTheStatusTipAndInTheRunLog) {
    StartWith(1, {"a.txt", "b.txt"});
    m_script->QueueResult("SaveFileAs", 0);
    m_script->QueueResult("SaveFileAs", 3);
    m_script->reason = "missing section header";

    ClickAndWait(*m_window, "convall");

    EXPECT_EQ(Status(), "Converted 1 files. NOT CONVERTED = 1");
    EXPECT_EQ(Find<QLabel>("statuslbl")->toolTip(), "missing section header");
    EXPECT_EQ(ReadLog(), "a.txt\tConverted\t\nb.txt\tNOT converted\tmissing section header\n");
}

TEST_F(RunWindowTest, WhatAFileDidNotKeepIsItsTipAndLogLineAndTheRunSaysHowMany) {
    StartWith(1, {"a.txt"});
    m_script->notKept = "5 track points not kept: the target type holds waypoints only";

    ClickAndWait(*m_window, "convall");

    EXPECT_EQ(Status(), "Converted 1 files.");
    EXPECT_EQ(Find<QLabel>("statuslbl")->toolTip(),
              "1 file kept only part of its data; see conversion.log");
    EXPECT_EQ(ReadLog(), "a.txt\tConverted\t" + m_script->notKept + "\n");
}

TEST_F(RunWindowTest, TheHostsRefusalsAreShownAndNothingIsConverted) {
    StartWith(2, {"a.txt"});
    m_script->refusals = {"no gpsbabel format reads .txt files"};
    ClickAndWait(*m_window, "convall");
    EXPECT_EQ(m_messages.shown,
              (Lines{"message: Cannot Convert:\r\nno gpsbabel format reads .txt files"}));
    EXPECT_FALSE(Opened("a.txt"));
}

} // namespace
} // namespace tolk::testing
