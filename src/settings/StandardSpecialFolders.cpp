#include "settings/StandardSpecialFolders.h"

#include <QStandardPaths>

namespace tolk {

std::string StandardSpecialFolders::SpecialFolderPath(int csidl) {
    switch (csidl) {
    case DocumentsFolderId:
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    case AppDataFolderId:
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
    default:
        return {};
    }
}

} // namespace tolk
