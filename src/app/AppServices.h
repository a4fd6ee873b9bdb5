#pragma once

#include "app/ApplicationHelp.h"
#include "app/OutcomeMenu.h"
#include "app/QtFolderDialog.h"
#include "app/QtFormatPicker.h"
#include "core/Messenger.h"
#include "host/HostConnection.h"
#include "settings/QSettingsRegistry.h"
#include "settings/StandardSpecialFolders.h"

#include <QDesktopServices>
#include <QThread>
#include <chrono>
#include <memory>
#include <string>

namespace tolk {

/// What the main window needs from outside itself; tests put doubles in place of each.
struct AppServices {
    Messenger& messenger;
    HostFactory createHost;
    std::string exePath; ///< full path of the running executable
    /// The application's help requests; the help bridge takes them from program entry to exit.
    std::shared_ptr<ApplicationHelp> help = std::make_shared<ApplicationHelp>();
    /// The dialog the Browse buttons choose folders with.
    std::shared_ptr<FolderDialog> folderDialog = std::make_shared<QtFolderDialog>();
    /// The dialog the user chooses an engine format with, for a type the host finds none for.
    std::shared_ptr<FormatPicker> formatPicker = std::make_shared<QtFormatPicker>();
    /// The registry that holds the host's key, for this user and for the machine.
    std::shared_ptr<Registry> registry =
        std::make_shared<QSettingsRegistry>(QSettingsRegistry::ForThisUser());
    /// The documents and application-data folders.
    std::shared_ptr<SpecialFolders> specialFolders = std::make_shared<StandardSpecialFolders>();
    /// How many files a conversion command converts at once, each on a host of its own.
    int conversionJobs = QThread::idealThreadCount();
    /// How long a picked type must stay picked before the window offers formats for it, so that
    /// stepping through a list with the keys does not open the dialog at every type passed.
    std::chrono::milliseconds formatOfferDelay = std::chrono::milliseconds(600);
    /// The source folder the program was started on, in place of the saved one; empty for none.
    std::string startFolder = {};
    /// How the desktop opens the target folder and the run log.
    DesktopOpener openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    /// A run at least this long that ends while the window is not active is told to the desktop.
    std::chrono::milliseconds longRun = std::chrono::seconds(5);
};

} // namespace tolk
