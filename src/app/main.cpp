#include "app/DisplayRequired.h"
#include "app/ProgramEntry.h"
#include "app/WindowCommandLine.h"

#include <QApplication>
#include <optional>

int main(int argc, char* argv[]) {
    const tolk::WindowCommandLine commandLine(tolk::ProgramArguments(argc, argv));
    if (const std::optional<int> status = tolk::AnswerWithoutWindow(commandLine)) {
        return *status;
    }
    std::optional<QApplication> application;
    {
        const tolk::DisplayRequired display;
        application.emplace(argc, argv);
    }
    return tolk::RunProgram(commandLine.Folder());
}
