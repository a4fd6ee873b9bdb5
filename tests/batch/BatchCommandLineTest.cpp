#include "batch/BatchCommandLine.h"

#include <QThread>
#include <gtest/gtest.h>

namespace tolk {
namespace {

using Outcome = BatchCommandLine::Outcome;

QStringList Arguments(std::initializer_list<const char*> arguments) {
    QStringList list{QStringLiteral("tolkconv-batch")};
    for (const char* argument : arguments) {
        list << QString::fromUtf8(argument);
    }
    return list;
}

TEST(BatchCommandLineTest, GivenValuesAreTakenAndTheRestStayAbsent) {
    BatchCommandLine commandLine;
    ASSERT_EQ(commandLine.Parse(Arguments({"in folder", "--target-type", "kml", "--grid=",
                                           "--merge-type", "", "--jobs", "3", "--save"})),
              Outcome::Run);
    const BatchOptions& options = commandLine.Options();
    EXPECT_EQ(options.sourceFolder, "in folder");
    EXPECT_EQ(options.targetType, "kml");
    EXPECT_EQ(options.grid, "");
    EXPECT_EQ(options.mergeType, "");
    EXPECT_FALSE(options.sourceType);
    EXPECT_FALSE(options.targetFolder);
    EXPECT_FALSE(options.datum);
    EXPECT_EQ(options.jobs, 3);
    EXPECT_TRUE(options.save);
    EXPECT_FALSE(options.createTarget);
    EXPECT_FALSE(options.quiet);
    EXPECT_FALSE(options.recursive || options.onlyNewer || options.watch);
    EXPECT_EQ(options.shard.count, 1);

    BatchCommandLine archive;
    ASSERT_EQ(archive.Parse(Arguments({"--recursive", "--only-newer", "--watch", "--settle", "0.25",
                                       "--shard", "2/5"})),
              Outcome::Run);
    EXPECT_TRUE(archive.Options().recursive && archive.Options().onlyNewer);
    EXPECT_TRUE(archive.Options().watch);
    EXPECT_EQ(archive.Options().settle, std::chrono::milliseconds(250));
    EXPECT_EQ(archive.Options().shard.index, 2);
    EXPECT_EQ(archive.Options().shard.count, 5);
}

TEST(BatchCommandLineTest, JobsDefaultToTheProcessors) {
    BatchCommandLine commandLine;
    ASSERT_EQ(commandLine.Parse(Arguments({})), Outcome::Run);
    EXPECT_EQ(commandLine.Options().jobs, std::clamp(QThread::idealThreadCount(), 1, 64));
    EXPECT_FALSE(commandLine.Options().sourceFolder);
}

TEST(BatchCommandLineTest, BadUsageIsRefusedWithItsReason) {
    const std::pair<QStringList, std::string> cases[] = {
        {Arguments({"--jobs", "0"}), "--jobs takes a whole number from 1 to 64, not '0'."},
        {Arguments({"--jobs", "two"}), "--jobs takes a whole number from 1 to 64, not 'two'."},
        {Arguments({"--jobs", "65"}), "--jobs takes a whole number from 1 to 64, not '65'."},
        {Arguments({"--colour"}), "Unknown option 'colour'."},
        {Arguments({"--help-all"}), "Unknown option 'help-all'."},
        {Arguments({"--datum"}), "Missing value after '--datum'."},
        {Arguments({"a", "b"}), "Only one source folder can be given."},
        {Arguments({"--engine-format", "abc"}),
         "--engine-format takes type=format[,options], not 'abc'."},
        {Arguments({"--engine-format", "=fmta"}),
         "--engine-format takes type=format[,options], not '=fmta'."},
        {Arguments({"--engine-format", "abc=,opt=1"}),
         "--engine-format takes type=format[,options], not 'abc=,opt=1'."},
        {Arguments({"--shard", "4/3"}),
         "--shard takes k/n, whole numbers with 1 <= k <= n <= 100000, not '4/3'."},
        {Arguments({"--settle", "1"}), "--settle goes with --watch."},
        {Arguments({"--watch", "--settle", "-1"}),
         "--settle takes a number of seconds from 0 to 3600, not '-1'."},
        {Arguments({"--watch", "--settle", "nan"}),
         "--settle takes a number of seconds from 0 to 3600, not 'nan'."},
    };
    for (const auto& [arguments, error] : cases) {
        BatchCommandLine commandLine;
        EXPECT_EQ(commandLine.Parse(arguments), Outcome::UsageError) << error;
        EXPECT_EQ(commandLine.Error(), error);
    }
}

TEST(BatchCommandLineTest, EngineFormatsAreKeptPerTypeAndListTypesAsksForTheListing) {
    BatchCommandLine commandLine;
    ASSERT_EQ(commandLine.Parse(Arguments({"--engine-format", "abc=fmta", "--engine-format",
                                           "xyz=fmtb,opt=a=b", "--list-types"})),
              Outcome::ListTypes);
    EXPECT_EQ(commandLine.Options().engineFormats,
              (std::map<std::string, std::string>{{"abc", "fmta"}, {"xyz", "fmtb,opt=a=b"}}));
}

TEST(BatchCommandLineTest, HelpAndVersionAreAnswered) {
    BatchCommandLine help;
    EXPECT_EQ(help.Parse(Arguments({"--help"})), Outcome::Help);
    EXPECT_NE(help.HelpText().find("--create-target"), std::string::npos);
    EXPECT_NE(help.HelpText().find("Exit status: 0"), std::string::npos);
    // Worded as the window program words them.
    for (const char* line : {"-h, --help", "Show this help and exit.", "-v, --version",
                             "Show the version and exit."}) {
        EXPECT_NE(help.HelpText().find(line), std::string::npos) << line;
    }
    BatchCommandLine version;
    EXPECT_EQ(version.Parse(Arguments({"--version"})), Outcome::Version);
    EXPECT_EQ(BatchCommandLine::VersionText(), "tolkconv-batch 1.3");
}

} // namespace
} // namespace tolk
