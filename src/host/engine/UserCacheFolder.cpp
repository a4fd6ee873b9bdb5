#include "host/engine/UserCacheFolder.h"

#include <QStandardPaths>

namespace tolk {

std::string UserCacheFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation).toStdString() +
           "/Orvane/TOLK";
}

} // namespace tolk
