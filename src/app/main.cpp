#include "app/AppServices.h"
#include "app/AppTitle.h"
#include "app/ProgramRecords.h"
#include "app/QtMessenger.h"
#include "app/Tmainfrm.h"
#include "host/GpsBabelHost.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);

    tolk::QtMessenger messenger;
    tolk::AppServices services{messenger, tolk::CreateGpsBabelHost,
                               QCoreApplication::applicationFilePath().toStdString()};
    tolk::ProgramRecords records;
    int exitCode = 0;
    {
        // Start-up may show message boxes before the main window exists on screen; closing
        // the last of them must not end the program.
        QApplication::setQuitOnLastWindowClosed(false);
        tolk::Tmainfrm mainfrm(records, services);
        mainfrm.show();
        QApplication::setQuitOnLastWindowClosed(true);
        exitCode = QApplication::exec();
    }
    records.Host.Release();
    return exitCode;
}
