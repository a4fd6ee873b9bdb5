#include "app/DisplayRequired.h"
#include "app/ProgramEntry.h"
#include "app/WindowCommandLine.h"

#include <QApplication>
#include <optional>

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = tolk::AnswerWithoutWindow(argc, argv)) {
        return *status;
    }
    std::optional<QApplication> application;
    {
        const tolk::DisplayRequired display;
        application.emplace(argc, argv);
    }
    return tolk::RunProgram();
}
