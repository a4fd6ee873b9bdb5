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
        tolk::Tmainfrm mainfrm(records, services);
        mainfrm.show();
        exitCode = QApplication::exec();
    }
    records.Host.Release();
    return exitCode;
}
