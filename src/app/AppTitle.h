#pragma once

#include <QCoreApplication>
#include <QString>

namespace tolk {

/// The program's name as the system knows it (application name, window class); never translated.
inline constexpr const char* ApplicationTitle =
    QT_TRANSLATE_NOOP("Window", "TOLK Batch File Converter");
inline constexpr const char* HelpFileName = "tolkconv.qch";

/// The program's name as a box or dialog shows it in its caption, in the user's language.
inline QString TranslatedTitle() {
    return QCoreApplication::translate("Window", ApplicationTitle);
}

} // namespace tolk
