#pragma once

#include <QString>
#include <optional>
#include <string>

class QMimeData;

namespace tolk {

/// A folder named to the window from outside (on the command line, or dropped on it) as the
/// source folder: its absolute path without a trailing slash, as the folder dialog gives one;
/// nothing when the path names no existing folder.
std::optional<std::string> OutsideFolder(const QString& path);

/// The folder a drag carries: exactly one local folder, as OutsideFolder gives it; nothing for
/// files, several items or addresses that are not local.
std::optional<std::string> DraggedFolder(const QMimeData& data);

} // namespace tolk
