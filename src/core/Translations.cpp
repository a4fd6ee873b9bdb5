#include "core/Translations.h"

#include "core/DataFiles.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tolk {
namespace {

// A catalogue installed for the locale's languages in the order the user prefers them, or none.
std::unique_ptr<QTranslator> Installed(const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(), name, QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator.get())) {
        return nullptr;
    }
    return translator;
}

} // namespace

ProgramTranslations::ProgramTranslations(const std::string& exeFolder)
    : m_program(Installed(QStringLiteral("tolkconv"),
                          QString::fromStdString(DataFilePath(exeFolder, TranslationsFolderName)))),
      m_qt(Installed(QStringLiteral("qtbase"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {}

ProgramTranslations::~ProgramTranslations() {
    for (const auto& translator : {m_qt.get(), m_program.get()}) {
        if (translator != nullptr) {
            QCoreApplication::removeTranslator(translator);
        }
    }
}

} // namespace tolk
