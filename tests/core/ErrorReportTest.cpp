#include "core/ErrorReport.h"

#include "MessageRecorder.h"
#include "core/TolkError.h"

#include <gtest/gtest.h>

namespace tolk {
namespace {

TEST(ErrorReportText, AppendsFullStopOnlyAfterCharactersAboveIt) {
    EXPECT_EQ(ErrorReportText("File not found"), "File not found.");
    EXPECT_EQ(ErrorReportText("List index out of bounds (-1)"), "List index out of bounds (-1)");
    EXPECT_EQ(ErrorReportText("Failed!"), "Failed!");
    EXPECT_EQ(ErrorReportText("Done."), "Done.");
    EXPECT_EQ(ErrorReportText("value 7"), "value 7.");
    EXPECT_EQ(ErrorReportText("a-"), "a-");
    EXPECT_EQ(ErrorReportText(""), "");
    EXPECT_EQ(ErrorReportText("caf\xc3\xa9"), "caf\xc3\xa9.");
}

TEST(IoErrorText, NamesTheKnownCodesAndNumbersTheRest) {
    EXPECT_EQ(IoErrorText(2), "File not found");
    EXPECT_EQ(IoErrorText(3), "Invalid filename");
    EXPECT_EQ(IoErrorText(4), "Too many open files");
    EXPECT_EQ(IoErrorText(5), "File access denied");
    EXPECT_EQ(IoErrorText(100), "Read beyond end of file");
    EXPECT_EQ(IoErrorText(101), "Disk full");
    EXPECT_EQ(IoErrorText(106), "Invalid numeric input");
    EXPECT_EQ(IoErrorText(32), "I/O error 32");
    EXPECT_EQ(IoError(5).code(), 5);
}

TEST(RunGuarded, ReportsAnEscapingFailureAndStopsTheAction) {
    testing::MessageRecorder recorder;
    bool after = false;
    RunGuarded(recorder, [&] {
        throw TolkError("Unable to write to /x/tolkconv.ini");
        after = true;
    });
    RunGuarded(recorder, [] { throw IoError(2); });
    RunGuarded(recorder, [] {});
    EXPECT_FALSE(after);
    EXPECT_EQ(recorder.shown, (std::vector<std::string>{
                                  "error: Unable to write to /x/tolkconv.ini.",
                                  "error: File not found.",
                              }));
}

} // namespace
} // namespace tolk
