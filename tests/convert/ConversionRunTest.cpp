#include "ConvertAllNow.h"
#include "ConvertFiles.h"
#include "MessageRecorder.h"
#include "ScriptedHost.h"
#include "convert/BaseName.h"
#include "convert/FileConversion.h"
#include "convert/RunChecks.h"

#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace tolk {
namespace {

using testing::Failure;
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
    FileOutcome Convert(const std::string& name) {
        return testing::ConvertFile(m_settings, m_host, name, MergeIndex(m_settings.SourceFldr));
    }
    void ConvertAll(const Lines& names) {
        testing::ConvertAllNow(m_settings, names, {&m_host}, m_sink, m_messages);
    }
    void ConvertSelected(const std::string& name) {
        ConvertCommand({RunCommand::ConvertSelected, m_settings, {name}, {&m_host}, {}}, m_sink)
            .RunToEnd();
    }
    Lines Messages() const { return m_messages.shown; }

    QTemporaryDir m_dir;
    ConversionSettings m_settings;
    std::shared_ptr<testing::HostScript> m_script = std::make_shared<testing::HostScript>();
    HostConnection m_host{std::make_unique<testing::ScriptedHost>(m_script)};
    testing::MessageRecorder m_messages;
    testing::RecordingSink m_sink{m_messages};
};

TEST(BaseName, CutsFromTheLastDot) {
    EXPECT_EQ(BaseName("Track 12.txt"), "Track 12");
    EXPECT_EQ(BaseName("a.b.plt"), "a.b");
    EXPECT_EQ(BaseName("walk.result"), "walk");
    EXPECT_EQ(BaseName("nodot"), "nodot");
    EXPECT_EQ(BaseName(".hidden"), "");
    EXPECT_EQ(BaseName("2024.v2/trip/a.gpx"), "2024.v2/trip/a");
    EXPECT_EQ(BaseName("2024.v2/nodot"), "2024.v2/nodot");
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
    m_script->SetResult("CloseWindow", 3);

    const FileOutcome outcome = Convert("TRACK.TXT");

    EXPECT_EQ(m_script->calls, (Lines{"OpenFile(" + Path("src/TRACK.txt") + ")",
                                      "MergeFile(" + Path("src/TRACK.wpt") + ")",
                                      "ChangeGrid(UTM/UPS)", "ChangeDatum(WGS 84)",
                                      "SaveFileAs(" + Path("out/TRACK.kml") + ")", "CloseWindow"}));
    EXPECT_TRUE(outcome.converted);
    EXPECT_EQ(outcome.status, "Converted: TRACK");
    EXPECT_EQ(outcome.closeResult, 3);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_TRUE(outcome.reason.empty());

    // Beside a twin of the built name, the listed file opens by its own name.
    Touch("src/TRACK.txt");
    m_script->calls.clear();
    Convert("TRACK.TXT");
    EXPECT_EQ(m_script->calls.front(), "OpenFile(" + Path("src/TRACK.TXT") + ")");
    // Twins of which the built name is neither ("F1.txt" for "F1.TXT" beside "f1.txt").
    Touch("src/F1.TXT");
    Touch("src/f1.txt");
    m_script->calls.clear();
    Convert("F1.TXT");
    EXPECT_EQ(m_script->calls.front(), "OpenFile(" + Path("src/F1.TXT") + ")");

    // A name below the source folder keeps its folder for every path.
    std::filesystem::create_directory(Path("src/2024.v2"));
    Touch("src/2024.v2/T.wpt");
    m_script->calls.clear();
    EXPECT_EQ(Convert("2024.v2/T.TXT").status, "Converted: 2024.v2/T");
    EXPECT_EQ(m_script->calls[0], "OpenFile(" + Path("src/2024.v2/T.txt") + ")");
    EXPECT_EQ(m_script->calls[1], "MergeFile(" + Path("src/2024.v2/T.wpt") + ")");
    EXPECT_EQ(m_script->calls[4], "SaveFileAs(" + Path("out/2024.v2/T.kml") + ")");
}

TEST_F(ConversionRunTest, NonzeroResultsFailTheFileWithTheFirstReasonTheHostGives) {
    m_script->QueueResult("OpenFile", 5);
    FileOutcome outcome = Convert("a.txt");
    EXPECT_EQ(m_script->calls.size(), 3u) << "the sequence goes on after a nonzero open";
    EXPECT_FALSE(outcome.converted);
    EXPECT_EQ(outcome.status, "Could NOT convert: a");
    EXPECT_EQ(outcome.reason, "gpsbabel could not read the file") << "the host said nothing";

    m_script->reason = "missing section header";
    m_script->QueueResult("SaveFileAs", 1);
    outcome = Convert("a.txt");
    EXPECT_FALSE(outcome.converted);
    EXPECT_EQ(outcome.reason, "missing section header");
}

TEST_F(ConversionRunTest, AMergePartnerTheHostCannotMergeFailsTheFile) {
    m_settings.MergeExt = "wpt";
    Touch("src/a.wpt");
    m_script->QueueResult("MergeFile", 1);
    const FileOutcome outcome = Convert("a.txt");
    EXPECT_FALSE(outcome.converted);
    EXPECT_EQ(outcome.reason, "gpsbabel could not merge a.wpt");
}

TEST_F(ConversionRunTest, MergePartnersAreFoundByExactNameThenByTheOnlyNameInAnotherCase) {
    m_settings.MergeExt = "wpt";
    // Made as a run starts, the index reads no folder before a job first looks in it.
    const MergeIndex index(Path("src"));
    Touch("src/a.WPT");
    Touch("src/b.wpt");
    Touch("src/b.WPT");
    Touch("src/c.Wpt");
    Touch("src/c.WPT");
    std::filesystem::create_directory(Path("src/d.wpt"));
    EXPECT_TRUE(index.Has("a.wpt"));
    EXPECT_TRUE(index.Has("b.wpt"));
    EXPECT_FALSE(index.Has("c.wpt")) << "two names differ only in case";
    EXPECT_FALSE(index.Has("d.wpt")) << "a folder is no merge file";
    EXPECT_FALSE(index.Has("e.wpt"));
    // Below the source folder, each name is looked for in its own folder.
    std::filesystem::create_directory(Path("src/2024"));
    Touch("src/2024/f.WPT");
    EXPECT_EQ(index.Find("2024/f.wpt"), "2024/f.WPT");
    EXPECT_EQ(index.Find("a.wpt"), "a.WPT");
    EXPECT_FALSE(index.Has("2024/a.wpt"));
    EXPECT_FALSE(index.Has("none/f.wpt"));
}

TEST_F(ConversionRunTest, FailedOpenCallAbandonsTheFileAndTheRunGoesOn) {
    m_script->QueueFailure("OpenFile", Failure("gone"));

    ConvertAll({"a.txt", "b.txt"});

    EXPECT_EQ(Messages(), (Lines{"message: Failed to communicate with TOLK!"}));
    EXPECT_EQ(m_script->calls,
              (Lines{"OpenFile(" + Path("src/a.txt") + ")", "OpenFile(" + Path("src/b.txt") + ")",
                     "SaveFileAs(" + Path("out/b.kml") + ")", "CloseWindow"}));
    EXPECT_EQ(m_sink.statuses, (Lines{"Converting: a", "Converting: b", "Converted: b",
                                      "Converted 1 files. NOT CONVERTED = 1"}));
    EXPECT_EQ(m_sink.done, (std::vector<int>{0, 1}));
}

TEST_F(ConversionRunTest, GridAndDatumProblemsAreShownAndNeverFatal) {
    m_settings.Grid = "LAT LON DM";
    m_settings.Datum = "NAD27";
    m_script->QueueResult("ChangeGrid", 1);
    m_script->QueueFailure("ChangeDatum", Failure());
    m_script->QueueFailure("ChangeGrid", Failure());
    m_script->QueueResult("ChangeDatum", 2);

    ConvertAll({"a.txt", "b.txt"});

    EXPECT_EQ(Messages(),
              (Lines{"message: Unable to change grid",
                     "message: Current version of TOLK does not support Datum Change\r\n"
                     "Try updating TOLK to newer version.",
                     "message: Current version of TOLK does not support Grid Change\r\n"
                     "Try updating TOLK to newer version.",
                     "message: Unable to change datum"}));
    EXPECT_EQ(m_sink.statuses.back(), "Converted 2 files.");
    EXPECT_EQ(m_sink.outcomes[0].reason, "gpsbabel cannot apply the grid");
}

// The file it happened at is shown with the error as its reason, then the totals, then the
// error report; no further file begins.
TEST_F(ConversionRunTest, UntrappedFailureEndsTheWholeCommand) {
    for (const char* operation : {"MergeFile", "SaveFileAs", "CloseWindow"}) {
        SCOPED_TRACE(operation);
        m_script = std::make_shared<testing::HostScript>();
        m_host.Attach(std::make_unique<testing::ScriptedHost>(m_script));
        m_settings.MergeExt = "wpt";
        Touch("src/a.wpt");
        m_sink.statuses.clear();
        m_messages.shown.clear();
        m_script->SetFailure(operation, Failure("Host stopped."));

        ConvertAll({"a.txt", "b.txt"});

        EXPECT_EQ(m_script->calls.front(), "OpenFile(" + Path("src/a.txt") + ")");
        EXPECT_EQ(m_script->calls.back().rfind(operation, 0), 0u);
        EXPECT_EQ(Messages(), (Lines{"error: Host stopped."}));
        // b, which the error kept from beginning, counts among the files not converted.
        const bool saved = std::string(operation) == "CloseWindow";
        EXPECT_EQ(m_sink.statuses,
                  (Lines{"Converting: a", saved ? "Converted: a" : "Could NOT convert: a",
                         saved ? "Converted 1 files. NOT CONVERTED = 1"
                               : "Converted 0 files. NOT CONVERTED = 2"}));
        EXPECT_EQ(m_sink.outcomes.back().reason, saved ? "" : "Host stopped");
    }
}

// A host given one file at a time and one given 200 at once (each file's calls made in turn, or
// its result answered from a span) come to the same outcomes, calls and messages.
TEST_F(ConversionRunTest, FilesGivenOneAtATimeOrManyAtOnceComeOutAlike) {
    m_settings.MergeExt = "wpt";
    m_settings.Grid = "UTM/UPS";
    Touch("src/b.wpt");
    Touch("src/c.wpt");
    const Lines names{"a.txt", "b.txt", "c.txt", "d.txt", "e.txt", "a.TXT"};
    std::vector<Lines> runs;
    for (const int filesAhead : {1, 200}) {
        m_script = std::make_shared<testing::HostScript>();
        m_script->filesAhead = filesAhead;
        m_script->reason = "the host's reason";
        m_script->notKept = "routes not kept";
        m_script->QueueResult("OpenFile", 5);
        m_script->QueueResult("MergeFile", 1);
        m_script->QueueFailure("ChangeGrid", Failure());
        m_script->QueueResult("ChangeGrid", 1);
        m_script->QueueResult("SaveFileAs", 0);
        m_script->QueueResult("SaveFileAs", 0);
        m_script->QueueResult("SaveFileAs", 2);
        m_script->QueueResult("CloseWindow", 3);
        m_host.Attach(std::make_unique<testing::ScriptedHost>(m_script));
        m_sink.outcomes.clear();
        m_messages.shown.clear();
        ConvertAll(names);
        Lines& run = runs.emplace_back(m_script->calls);
        run.insert(run.end(), m_messages.shown.begin(), m_messages.shown.end());
        for (const FileOutcome& outcome : m_sink.outcomes) {
            run.push_back(outcome.status + "|" + OutcomeNotes(outcome) + "|" +
                          std::to_string(outcome.closeResult.value_or(-1)));
        }
    }
    EXPECT_EQ(runs[0], runs[1]);
    EXPECT_EQ(runs[0].back(), "Could NOT convert: a|its target a.kml is written from a.txt in this "
                              "run|-1");
}

// A box waiting for its answer holds the run even where the host is given 200 files at once:
// no file is landed while it is on screen.
TEST_F(ConversionRunTest, ABoxHoldsTheRunOfAHostGivenManyFilesAtOnce) {
    m_script->filesAhead = 200;
    m_settings.Grid = "UTM/UPS";
    m_script->QueueResult("ChangeGrid", 1);
    // The second file waits for the box, so that the files after it would be landed while the
    // box is on screen but for the hold.
    std::atomic<int> saves = 0;
    std::atomic<bool> boxShown = false;
    m_script->onCall = [&](const std::string& operation, const std::string& argument) {
        for (int waited = 0; argument.ends_with("/f1.txt") && !boxShown && waited < 5000;
             ++waited) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        saves += operation == "SaveFileAs" ? 1 : 0;
    };
    int savedWhileShown = -1;
    m_messages.onMessage = [&](const std::string&) {
        const int before = saves;
        boxShown = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        savedWhileShown = saves - before;
    };
    Lines names;
    for (int index = 0; index < 40; ++index) {
        names.push_back("f" + std::to_string(index) + ".txt");
    }
    ConvertAll(names);
    EXPECT_LE(savedWhileShown, 1) << "only the file begun before the box was shown";
    EXPECT_EQ(m_sink.done.size(), names.size());
}

TEST_F(ConversionRunTest, ATwinOfAnEarlierFileIsNotConvertedOverItsTarget) {
    ConvertAll({"a.txt", "a.TXT", "b.txt"});
    EXPECT_EQ(m_sink.outcomes.size(), 3u);
    EXPECT_EQ(m_sink.outcomes[1].status, "Could NOT convert: a");
    EXPECT_EQ(m_sink.outcomes[1].reason, "its target a.kml is written from a.txt in this run");
    EXPECT_EQ(std::ranges::count(m_script->calls, "OpenFile(" + Path("src/a.txt") + ")"), 1);
    EXPECT_EQ(m_sink.statuses.back(), "Converted 2 files. NOT CONVERTED = 1");
}

TEST_F(ConversionRunTest, MissingMergeFilesAreCollectedAndReportedOnce) {
    m_settings.MergeExt = "wpt";
    Touch("src/C.wpt");

    ConvertAll({"A.txt", "B.txt", "C.txt"});

    EXPECT_EQ(Messages(), (Lines{"message: Unable to find files to merge:\r\nA.wpt\r\nB.wpt"}));
    EXPECT_EQ(m_sink.statuses.back(), "Converted 3 files.");
    EXPECT_EQ(m_script->calls[0], "OpenFile(" + Path("src/A.txt") + ")");
    EXPECT_EQ(m_script->calls[1], "SaveFileAs(" + Path("out/A.kml") + ")");
}

TEST_F(ConversionRunTest, ConvertSelectedShowsNoSummaryAndNamesTheOneMissingMergeFile) {
    m_settings.MergeExt = "wpt";
    ConvertSelected("A.txt");
    EXPECT_EQ(m_sink.statuses, (Lines{"Converting: A", "Converted: A"}));
    EXPECT_EQ(Messages(), (Lines{"message: Unable to find file to merge:\r\nA.wpt"}));
}

TEST_F(ConversionRunTest, ConvertAllWithAnEmptyListConvertsNothing) {
    ConvertAll({});
    EXPECT_TRUE(m_script->calls.empty());
    EXPECT_EQ(m_sink.statuses, (Lines{"Converted 0 files."}));
}

TEST_F(ConversionRunTest, TypeConflictsListEveryClashInOrder) {
    m_settings.SourceExt = m_settings.TargetExt = "txt";
    EXPECT_FALSE(CheckTypeConflicts(m_settings, m_messages));
    m_settings.SourceExt = m_settings.MergeExt = m_settings.TargetExt = "wpt";
    EXPECT_FALSE(CheckTypeConflicts(m_settings, m_messages));
    m_settings.SourceExt = "TXT";
    m_settings.MergeExt = "";
    m_settings.TargetExt = "txt";
    EXPECT_TRUE(CheckTypeConflicts(m_settings, m_messages));
    EXPECT_EQ(Messages(), (Lines{"message: Cannot Convert:\r\nSource and Target types are the same",
                                 "message: Cannot Convert:\r\nSource and Merge types are the same"
                                 "\r\nSource and Target types are the same"
                                 "\r\nMerge and Target types are the same"}));
}

TEST_F(ConversionRunTest, ChecksStopTheRunBeforeAnyHostCall) {
    m_settings.TargetExt = "txt";
    ConvertAll({"a.txt"});
    m_settings.TargetExt = "kml";
    m_settings.TargetFldr = Path("missing");
    ConvertAll({"a.txt"});
    EXPECT_TRUE(m_script->calls.empty());
    EXPECT_TRUE(m_sink.statuses.empty());
    EXPECT_FALSE(std::filesystem::exists(Path("missing"))) << "the question was answered No";
}

TEST_F(ConversionRunTest, TheHostsRefusalsAreListedAndNothingIsConverted) {
    m_settings.MergeExt = "wpt";
    m_settings.Datum = "NAD27";
    m_script->refusals = {"no gpsbabel format reads .wpt files", "kml files hold no datum"};
    ConvertAll({"a.txt"});
    EXPECT_EQ(Messages(), (Lines{"message: Cannot Convert:\r\nno gpsbabel format reads .wpt files"
                                 "\r\nkml files hold no datum"}));
    EXPECT_TRUE(m_script->calls.empty());
    ASSERT_EQ(m_script->runRequests.size(), 1u);
    EXPECT_EQ(m_script->runRequests[0].mergeType, "wpt");
    EXPECT_EQ(m_script->runRequests[0].datum, "NAD27");
}

TEST_F(ConversionRunTest, MissingTargetFolderIsCreatedOneLevelAfterYes) {
    m_settings.TargetFldr = Path("new");
    m_messages.answers = {true};
    EXPECT_TRUE(CheckTargetFolder(m_settings, m_messages));
    EXPECT_TRUE(std::filesystem::is_directory(Path("new")));
    EXPECT_EQ(Messages(), (Lines{"question: Target folder\r\n" + Path("new") +
                                 "\r\ndoes not exist. Create it?"}));
}

// A folder that cannot be made says why. (Permission bits refuse nothing to root, as in CI; an
// unwritable parent gives "permission denied" the same way.)
TEST_F(ConversionRunTest, ATargetFolderThatCannotBeCreatedSaysWhy) {
    Touch("file");
    const std::pair<std::string, std::string> cases[] = {
        {"deep/er", "its parent folder does not exist (only one folder is created)"},
        {"file", "a file of that name is in the way"},
        {"file/sub", "not a directory"},
    };
    for (const auto& [folder, reason] : cases) {
        m_settings.TargetFldr = Path(folder);
        m_messages.answers = {true};
        EXPECT_FALSE(CheckTargetFolder(m_settings, m_messages));
        EXPECT_EQ(Messages().back(),
                  "message: Unable to create target folder " + Path(folder) + ": " + reason);
    }
    EXPECT_FALSE(std::filesystem::exists(Path("deep")));
}

} // namespace
} // namespace tolk
