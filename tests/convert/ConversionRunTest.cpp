#include "convert/ConversionRun.h"

#include "MessageRecorder.h"
#include "RecordingView.h"
#include "ScriptedHost.h"
#include "convert/BaseName.h"
#include "core/TolkError.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace tolk {
namespace {

using testing::Failure;
using testing::RecordingView;
using Lines = std::vector<std::string>;

class ConversionRunTest : public ::testing::Test {
protected:
    ConversionRunTest() {
        m_settings.SourceFldr = Path("src");
        m_settings.TargetFldr = Path("out");
        m_settings.SourceExt = "txt";
        m_settings.TargetExt = "kml";
        std::filesystem::create_directory(Path("src"));
        std::filesystem::create_directory(Path("out"));
    }

    std::string Path(const std::string& relative) const {
        return m_dir.path().toStdString() + "/" + relative;
    }
    void Touch(const std::string& relative) { std::ofstream(Path(relative)) << "x"; }
    void List(Lines names) {
        m_files.SetNames(std::move(names));
        m_files.SetCurrentIndex(m_files.Count() > 0 ? 0 : -1);
    }
    Lines Messages() const { return m_messages.shown; }

    QTemporaryDir m_dir;
    ConversionSettings m_settings;
    std::shared_ptr<testing::HostScript> m_script = std::make_shared<testing::HostScript>();
    HostConnection m_host{std::make_unique<testing::ScriptedHost>(m_script)};
    SourceFileList m_files;
    RecordingView m_view;
    testing::MessageRecorder m_messages;
    ConversionRun m_run{m_settings, m_host, m_files, m_view, m_messages};
};

TEST(BaseName, CutsFromTheLastDot) {
    EXPECT_EQ(BaseName("Track 12.txt"), "Track 12");
    EXPECT_EQ(BaseName("a.b.plt"), "a.b");
    EXPECT_EQ(BaseName("walk.result"), "walk");
    EXPECT_EQ(BaseName("nodot"), "nodot");
    EXPECT_EQ(BaseName(".hidden"), "");
}

TEST(ConvertAllSummary, AddsTheFailuresOnlyWhenThereAreAny) {
    EXPECT_EQ(ConvertAllSummary(9, 7), "Converted 7 files. NOT CONVERTED = 2");
    EXPECT_EQ(ConvertAllSummary(3, 3), "Converted 3 files.");
    EXPECT_EQ(ConvertAllSummary(0, 0), "Converted 0 files.");
}

TEST_F(ConversionRunTest, ConvertFileCallsTheHostInOrderWithBuiltPaths) {
    m_settings.MergeExt = "wpt";
    m_settings.Grid = "UTM/UPS";
    m_settings.Datum = "WGS 84";
    Touch("src/TRACK.wpt");
    List({"TRACK.TXT"});
    m_script->SetResult("CloseWindow", 3);

    m_run.ConvertFile(0);

    EXPECT_EQ(m_script->calls, (Lines{"OpenFile(" + Path("src/TRACK.txt") + ")",
                                      "MergeFile(" + Path("src/TRACK.wpt") + ")",
                                      "ChangeGrid(UTM/UPS)", "ChangeDatum(WGS 84)",
                                      "SaveFileAs(" + Path("out/TRACK.kml") + ")", "CloseWindow"}));
    EXPECT_EQ(m_view.statuses, (Lines{"Converting: TRACK", "Converted: TRACK"}));
    EXPECT_EQ(m_view.resultCode, "3");
    EXPECT_EQ(m_run.ConvertedCount(), 1);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ConversionRunTest, NonzeroOpenStillSavesButIsNotCounted) {
    List({"a.txt"});
    m_script->QueueResult("OpenFile", 5);
    m_run.ConvertFile(0);
    EXPECT_EQ(m_script->calls.size(), 3u);
    EXPECT_EQ(m_view.statuses.back(), "Could NOT convert: a");
    EXPECT_EQ(m_run.ConvertedCount(), 0);
}

TEST_F(ConversionRunTest, NonzeroSaveIsNotCounted) {
    List({"a.txt"});
    m_script->QueueResult("SaveFileAs", 1);
    m_run.ConvertFile(0);
    EXPECT_EQ(m_view.statuses.back(), "Could NOT convert: a");
    EXPECT_EQ(m_run.ConvertedCount(), 0);
}

TEST_F(ConversionRunTest, FailedOpenCallAbandonsTheFileAndTheRunGoesOn) {
    List({"a.txt", "b.txt"});
    m_script->QueueFailure("OpenFile", Failure("gone"));

    m_run.ConvertAll();

    EXPECT_EQ(Messages(), (Lines{"message: Failed to communicate with TOLK!"}));
    EXPECT_EQ(m_script->calls,
              (Lines{"OpenFile(" + Path("src/a.txt") + ")", "OpenFile(" + Path("src/b.txt") + ")",
                     "SaveFileAs(" + Path("out/b.kml") + ")", "CloseWindow"}));
    EXPECT_EQ(m_view.statuses, (Lines{"Converting: a", "Converting: b", "Converted: b",
                                      "Converted 1 files. NOT CONVERTED = 1"}));
    EXPECT_EQ(m_view.broughtToFront, 1);
}

TEST_F(ConversionRunTest, GridAndDatumProblemsAreShownAndNeverFatal) {
    m_settings.Grid = "LAT LON DM";
    m_settings.Datum = "NAD27";
    List({"a.txt", "b.txt"});
    m_script->QueueResult("ChangeGrid", 1);
    m_script->QueueFailure("ChangeDatum", Failure());
    m_script->QueueFailure("ChangeGrid", Failure());
    m_script->QueueResult("ChangeDatum", 2);

    m_run.ConvertAll();

    EXPECT_EQ(Messages(),
              (Lines{"message: Unable to change grid",
                     "message: Current version of TOLK does not support Datum Change\r\n"
                     "Try updating TOLK to newer version.",
                     "message: Current version of TOLK does not support Grid Change\r\n"
                     "Try updating TOLK to newer version.",
                     "message: Unable to change datum"}));
    EXPECT_EQ(m_run.ConvertedCount(), 2);
    EXPECT_EQ(m_view.statuses.back(), "Converted 2 files.");
}

TEST_F(ConversionRunTest, UntrappedFailureEndsTheWholeCommand) {
    for (const char* operation : {"MergeFile", "SaveFileAs", "CloseWindow"}) {
        SCOPED_TRACE(operation);
        m_script = std::make_shared<testing::HostScript>();
        m_host.Attach(std::make_unique<testing::ScriptedHost>(m_script));
        m_settings.MergeExt = "wpt";
        Touch("src/a.wpt");
        List({"a.txt", "b.txt"});
        m_view = RecordingView();
        m_script->SetFailure(operation, Failure("Host stopped."));

        EXPECT_THROW(m_run.ConvertAll(), TolkError);

        EXPECT_EQ(m_script->calls.front(), "OpenFile(" + Path("src/a.txt") + ")");
        EXPECT_EQ(m_script->calls.back().rfind(operation, 0), 0u);
        EXPECT_EQ(m_view.broughtToFront, 0);
        EXPECT_EQ(m_files.CurrentIndex(), 0);
        EXPECT_TRUE(Messages().empty());
    }
}

TEST_F(ConversionRunTest, MissingMergeFilesAreCollectedAndReportedOnce) {
    m_settings.MergeExt = "wpt";
    List({"A.txt", "B.txt", "C.txt"});
    Touch("src/C.wpt");

    m_run.ConvertAll();

    EXPECT_EQ(m_run.MergeMissingList(), "\r\nA.wpt\r\nB.wpt");
    EXPECT_EQ(Messages(), (Lines{"message: Unable to find files to merge:\r\nA.wpt\r\nB.wpt"}));
    EXPECT_EQ(m_run.ConvertedCount(), 3);
    EXPECT_EQ(m_script->calls[0], "OpenFile(" + Path("src/A.txt") + ")");
    EXPECT_EQ(m_script->calls[1], "SaveFileAs(" + Path("out/A.kml") + ")");
}

TEST_F(ConversionRunTest, MergeFolderOfTheMergeNameIsNotAFile) {
    m_settings.MergeExt = "wpt";
    std::filesystem::create_directory(Path("src/A.wpt"));
    List({"A.txt"});
    m_run.ConvertSelected();
    EXPECT_EQ(Messages(), (Lines{"message: Unable to find file to merge:\r\nA.wpt"}));
}

TEST_F(ConversionRunTest, ConvertAllWithAnEmptyListConvertsNothing) {
    List({});
    m_run.ConvertAll();
    EXPECT_TRUE(m_script->calls.empty());
    EXPECT_EQ(m_view.statuses, (Lines{"Converted 0 files."}));
    EXPECT_EQ(m_view.broughtToFront, 1);
}

TEST_F(ConversionRunTest, ConvertAllUsesItsOwnIndexAndMovesTheSelectionFromWhereItStands) {
    List({"a.txt", "b.txt", "c.txt"});
    m_files.SetCurrentIndex(1);
    m_run.ConvertAll();
    EXPECT_EQ(m_script->calls[0], "OpenFile(" + Path("src/a.txt") + ")");
    EXPECT_EQ(m_files.CurrentIndex(), 2);
}

TEST_F(ConversionRunTest, ConvertSelectedConvertsTheCurrentFileAndMovesOn) {
    List({"a.txt", "b.txt"});
    m_files.SetCurrentIndex(1);
    m_run.ConvertSelected();
    EXPECT_EQ(m_script->calls.front(), "OpenFile(" + Path("src/b.txt") + ")");
    EXPECT_EQ(m_files.CurrentIndex(), 1);
    EXPECT_EQ(m_view.broughtToFront, 1);
    m_run.SkipSelected();
    EXPECT_EQ(m_files.CurrentIndex(), 1);
}

TEST_F(ConversionRunTest, ConvertSelectedWithNoCurrentNameFailsWithTheIndexError) {
    List({"a.txt"});
    m_files.SetCurrentIndex(-1);
    try {
        m_run.ConvertSelected();
        FAIL() << "no error";
    } catch (const TolkError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
    }
    EXPECT_TRUE(m_script->calls.empty());
}

TEST_F(ConversionRunTest, SkipSelectedOnlyMovesTheSelection) {
    List({"a.txt", "b.txt"});
    m_run.SkipSelected();
    EXPECT_EQ(m_files.CurrentIndex(), 1);
    EXPECT_TRUE(m_script->calls.empty());
    EXPECT_TRUE(m_view.statuses.empty());
}

TEST_F(ConversionRunTest, TypeConflictsListEveryClashInOrder) {
    m_settings.SourceExt = m_settings.TargetExt = "txt";
    EXPECT_FALSE(m_run.CheckTypeConflicts());
    m_settings.SourceExt = m_settings.MergeExt = m_settings.TargetExt = "wpt";
    EXPECT_FALSE(m_run.CheckTypeConflicts());
    m_settings.SourceExt = "TXT";
    m_settings.MergeExt = "";
    m_settings.TargetExt = "txt";
    EXPECT_TRUE(m_run.CheckTypeConflicts());
    EXPECT_EQ(Messages(), (Lines{"message: Cannot Convert:\r\nSource and Target types are the same",
                                 "message: Cannot Convert:\r\nSource and Merge types are the same"
                                 "\r\nSource and Target types are the same"
                                 "\r\nMerge and Target types are the same"}));
}

TEST_F(ConversionRunTest, TypeConflictStopsTheRunBeforeAnyHostCall) {
    m_settings.TargetExt = "txt";
    List({"a.txt"});
    m_run.ConvertAll();
    m_run.ConvertSelected();
    EXPECT_TRUE(m_script->calls.empty());
    EXPECT_TRUE(m_view.statuses.empty());
    EXPECT_EQ(m_view.broughtToFront, 1);
}

TEST_F(ConversionRunTest, MissingTargetFolderIsCreatedOneLevelAfterYes) {
    m_settings.TargetFldr = Path("new");
    m_messages.answers = {true};
    EXPECT_TRUE(m_run.CheckTargetFolder());
    EXPECT_TRUE(std::filesystem::is_directory(Path("new")));
    EXPECT_EQ(Messages(), (Lines{"question: Target folder\r\n" + Path("new") +
                                 "\r\ndoes not exist. Create it?"}));

    m_settings.TargetFldr = Path("deep/er");
    m_messages.answers = {true};
    EXPECT_FALSE(m_run.CheckTargetFolder());
    EXPECT_FALSE(std::filesystem::exists(Path("deep")));
    EXPECT_EQ(Messages().back(), "message: Unable to create target folder");
}

TEST_F(ConversionRunTest, AFileWhereTheTargetFolderShouldBeCannotBeCreated) {
    Touch("file");
    m_settings.TargetFldr = Path("file");
    m_messages.answers = {true};
    EXPECT_FALSE(m_run.CheckTargetFolder());
    EXPECT_EQ(Messages().back(), "message: Unable to create target folder");
}

TEST_F(ConversionRunTest, AnsweringNoConvertsNothingAndLeavesTheStatusAlone) {
    m_settings.TargetFldr = Path("missing");
    List({"a.txt"});
    m_run.ConvertAll();
    m_run.ConvertSelected();
    EXPECT_TRUE(m_script->calls.empty());
    EXPECT_TRUE(m_view.statuses.empty());
    EXPECT_FALSE(std::filesystem::exists(Path("missing")));
}

TEST_F(ConversionRunTest, EditedTargetFolderIsTakenWhenACommandRuns) {
    m_view.editedTarget = Path("out");
    m_settings.TargetFldr = "/elsewhere";
    List({"a.txt"});
    m_run.ConvertSelected();
    EXPECT_EQ(m_settings.TargetFldr, Path("out"));
    EXPECT_EQ(m_script->calls[1], "SaveFileAs(" + Path("out/a.kml") + ")");
}

TEST_F(ConversionRunTest, ConvertSelectedEmptiesTheMissingListFirstButSkipKeepsIt) {
    m_settings.MergeExt = "wpt";
    List({"a.txt", "b.txt"});
    m_run.ConvertSelected();
    EXPECT_EQ(m_run.MergeMissingList(), "\r\na.wpt");
    m_run.SkipSelected();
    EXPECT_EQ(m_run.MergeMissingList(), "\r\na.wpt");
    m_run.ConvertSelected();
    EXPECT_EQ(m_run.MergeMissingList(), "\r\nb.wpt");
}

} // namespace
} // namespace tolk
