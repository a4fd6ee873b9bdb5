#include "app/ProgramEntry.h"

#include "app/AppServices.h"
#include "app/AppTitle.h"
#include "app/ProgramRecords.h"
#include "app/QtHelpViewer.h"
#include "app/QtMessenger.h"
#include "app/Tmainfrm.h"
#include "app/UseHTMLHelp.h"
#include "core/Translations.h"
#include "host/gpsbabel/GpsBabelHost.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace tolk {

void SetUpApplication() {
    // The window is laid out for "MS Sans Serif", which Linux desktops lack; their default sans
    // is wider and would push captions under the controls beside them. These share its widths.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    // Ties the window to the installed menu entry and gives it the installed icon; run from a
    // build folder, no icon is installed and the window keeps the default one.
    QGuiApplication::setDesktopFileName(QStringLiteral("tolkconv"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tolkconv")));
    // The application title, for what names the program as a whole: assistive tools, the
    // window class that desktops group windows by, boxes without a caption of their own. Not
    // the display name, which Qt would append to every window's caption.
    QApplication::setApplicationName(QString::fromUtf8(ApplicationTitle));
}

int RunProgram(const std::string& startFolder) {
    SetUpApplication();
    const ProgramTranslations translations(QCoreApplication::applicationDirPath().toStdString() +
                                           "/");
    QtMessenger messenger;
    ProgramRecords records;
    // The host is created during start-up, once the work folder is known; the jobs' hosts made
    // later share what it learns.
    GpsBabelHostFactory hostFactory;
    AppServices services{messenger, {}, QCoreApplication::applicationFilePath().toStdString()};
    services.createHost = [&records, &hostFactory, &jobs = services.conversionJobs] {
        GpsBabelConfig config;
        config.workFolder = records.WorkFolder;
        config.reference = records.Reference;
        config.jobs = jobs;
        return std::move(hostFactory.Create(config, 1).front());
    };
    services.startFolder = startFolder;
    QtHelpViewer helpViewer;
    int exitCode = 0;
    {
        // From here until the main window is gone, every help request goes to the help viewer.
        const TUseHTMLHelp helpBridge(*services.help, records.HelpFile, helpViewer);
        records.HelpFile = HelpFileName;
        // Start-up may show message boxes before the main window exists on screen; closing
        // the last of them must not end the program.
        QApplication::setQuitOnLastWindowClosed(false);
        Tmainfrm mainfrm(records, services);
        mainfrm.show();
        QApplication::setQuitOnLastWindowClosed(true);
        exitCode = QApplication::exec();
    }
    records.Host.Release();
    return exitCode;
}

} // namespace tolk
