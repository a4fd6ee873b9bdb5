#pragma once

#include <memory>
#include <string>

class QTranslator;

namespace tolk {

/// The folder of the program's compiled catalogues, found as its other data files are.
inline constexpr const char* TranslationsFolderName = "translations";

/// While it lives, the programs' texts and Qt's own (button captions, the command line parser's
/// words) are shown in the user's language where a catalogue for it exists: the program's
/// tolkconv_<language>.qm from its data folder and Qt's qtbase_<language>.qm from Qt's
/// translations folder. Under an English or C locale, or for a language without a catalogue,
/// nothing is installed and every text stays the English source. Needs the application object.
class ProgramTranslations {
public:
    /// exeFolder ends with its "/".
    explicit ProgramTranslations(const std::string& exeFolder);
    ~ProgramTranslations();
    ProgramTranslations(const ProgramTranslations&) = delete;
    ProgramTranslations& operator=(const ProgramTranslations&) = delete;

private:
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_qt;
};

} // namespace tolk
