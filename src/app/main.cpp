#include "app/DisplayRequired.h"
#include "app/ProgramEntry.h"
#include "app/WindowCommandLine.h"
#include "core/Translations.h"

#include <QApplication>
#include <optional>
#include <string>

int main(int argc, char* argv[]) {
    std::string folder;
    {
        // Only for the command line's texts: the window's application object comes later, if at
        // all.
        int coreArgc = argc;
        const QCoreApplication core(coreArgc, argv);
        const tolk::ProgramTranslations translations(
            QCoreApplication::applicationDirPath().toStdString() + "/");
        const tolk::WindowCommandLine commandLine(tolk::ProgramArguments(argc, argv));
        if (const std::optional<int> status = tolk::AnswerWithoutWindow(commandLine)) {
            return *status;
        }
        folder = commandLine.Folder();
    }
    std::optional<QApplication> application;
    {
        const tolk::DisplayRequired display;
        application.emplace(argc, argv);
    }
    return tolk::RunProgram(folder);
}
