#include "app/WindowCommandLine.h"

#include "ProgramRun.h"
#include "TempHome.h"

#include <gtest/gtest.h>

namespace tolk {
namespace {

using Request = WindowCommandLine::Request;

TEST(WindowCommandLineTest, AnswersItsOwnOptionsLeavesQtItsOwnAndRefusesTheRest) {
    const testing::TempHome home;
    const QString folder = QString::fromStdString(home.Path());
    const std::pair<QStringList, Request> cases[] = {
        {{}, Request::OpenWindow},
        {{"-style", "Fusion", "-platform", "wayland", "-reverse"}, Request::OpenWindow},
        {{"--style=Fusion"}, Request::OpenWindow},
        {{"--help"}, Request::Help},
        {{"-h"}, Request::Help},
        {{"-style", "Fusion", "--version"}, Request::Version},
        {{"-v"}, Request::Version},
        {{"--frobnicate"}, Request::UsageError},
        {{"-style"}, Request::UsageError},
        {{folder + "/none"}, Request::UsageError},
        {{folder, folder}, Request::UsageError},
        {{"-style", "Fusion", folder + "/"}, Request::OpenWindow},
    };
    for (const auto& [arguments, asked] : cases) {
        EXPECT_EQ(WindowCommandLine(QStringList{"tolkconv"} + arguments).Asked(), asked)
            << arguments.join(u' ').toStdString();
    }
    EXPECT_EQ(WindowCommandLine({"tolkconv", folder + "/."}).Folder(), home.Path());
}

// The built program as a user starts it over ssh: no display of any kind, and a home of its own.
testing::Finished RunWithoutDisplay(const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    return testing::RunProgram(QStringLiteral(TOLK_BIN_DIR "/tolkconv"), arguments, environment);
}

TEST(WindowCommandLineTest, WithoutADisplayTheProgramAnswersOrSaysSoPlainly) {
    const testing::TempHome home;
    const testing::Finished version = RunWithoutDisplay({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "tolkconv 1.3\n");
    const testing::Finished help = RunWithoutDisplay({"--help"});
    EXPECT_EQ(help.out.rfind("Usage: tolkconv [options] [FOLDER]\n", 0), 0u);
    EXPECT_NE(help.out.find("  -h, --help      Show this help and exit.\n"), std::string::npos);

    const testing::Finished unknown = RunWithoutDisplay({"--frobnicate"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "tolkconv: Unknown option 'frobnicate'.\n"
                           "Usage: tolkconv [options] [FOLDER]; try 'tolkconv --help'.\n");
    // A folder that is not there is refused before any window would open.
    const testing::Finished missing = RunWithoutDisplay({"/no/such/folder"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "tolkconv: '/no/such/folder' is not a folder.\n"
                           "Usage: tolkconv [options] [FOLDER]; try 'tolkconv --help'.\n");

    const testing::Finished window = RunWithoutDisplay({});
    EXPECT_EQ(window.status, 1);
    EXPECT_EQ(window.err, "tolkconv: there is no display to open the window on; tolkconv-batch "
                          "converts without one (see tolkconv-batch --help).\n");
}

} // namespace
} // namespace tolk
