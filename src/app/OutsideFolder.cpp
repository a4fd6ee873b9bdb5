#include "app/OutsideFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace tolk {

std::optional<std::string> OutsideFolder(const QString& path) {
    const QFileInfo folder(path);
    if (path.isEmpty() || !folder.isDir()) {
        return std::nullopt;
    }
    return QDir::cleanPath(folder.absoluteFilePath()).toStdString();
}

std::optional<std::string> DraggedFolder(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile()) {
        return std::nullopt;
    }
    return OutsideFolder(urls.constFirst().toLocalFile());
}

} // namespace tolk
