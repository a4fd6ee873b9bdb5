#include "CommandWindowTest.h"
#include "core/Translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <optional>

namespace tolk {
namespace {

/// One text the window shows and the control (object name) that shows it.
struct Shown {
    QString control;
    QString text;
};

/// What a catalogue's texts may show: the text itself with each %1, %2, ... filled in, and a
/// text ending in a blank ("Connected to: ") followed by what it introduces.
class TextPatterns {
public:
    void Add(const QString& text) {
        QString pattern = QRegularExpression::escape(text);
        pattern.replace(QRegularExpression(QStringLiteral("\\\\%\\d")), QStringLiteral(".*"));
        if (text.endsWith(u' ')) {
            pattern += QStringLiteral(".*");
        }
        m_patterns.emplace_back(QRegularExpression::anchoredPattern(pattern));
    }
    bool Shows(const QString& text) const {
        return std::ranges::any_of(m_patterns, [&](const QRegularExpression& pattern) {
            return pattern.match(text).hasMatch();
        });
    }

private:
    std::vector<QRegularExpression> m_patterns;
};

/// The English sources and the translations of a catalogue of the repository.
struct Catalogue {
    TextPatterns sources;
    TextPatterns translations;
};

Catalogue ReadCatalogue(const QString& language) {
    QFile file(QStringLiteral(TOLK_SOURCE_DIR "/translations/tolkconv_%1.ts").arg(language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    Catalogue catalogue;
    QXmlStreamReader reader(&file);
    while (reader.readNextStartElement() || !reader.atEnd()) {
        if (!reader.isStartElement()) {
            continue;
        }
        const QStringView name = reader.name();
        if (name == u"source" || name == u"translation") {
            const QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            (name == u"source" ? catalogue.sources : catalogue.translations).Add(text);
        }
    }
    return catalogue;
}

class TranslatedWindowTest : public testing::CommandWindowTest {
protected:
    void TearDown() override {
        CommandWindowTest::TearDown();
        m_translations.reset();
        QLocale::setDefault(QLocale::c());
    }
    void StartIn(const QLocale& locale) {
        QLocale::setDefault(locale);
        m_translations.emplace(TOLK_BIN_DIR "/");
        m_script->version = "GPSBabel Version 1.8.0";
        Start();
    }

    // Every caption, item, title and tool tip of the window, hidden controls included.
    std::vector<Shown> ShownTexts() const {
        std::vector<Shown> shown{{QStringLiteral("mainfrm"), m_window->windowTitle()}};
        const auto add = [&shown](const QObject* control, const QString& text) {
            if (!text.isEmpty()) {
                shown.push_back({control->objectName(), text});
            }
        };
        for (const QWidget* widget : m_window->findChildren<QWidget*>()) {
            add(widget, widget->toolTip());
            if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                add(label, label->text());
            } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
                add(button, button->text());
            } else if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
                for (int item = 0; item < list->count(); ++item) {
                    add(list, list->itemText(item));
                }
            }
        }
        for (const QAction* action : m_window->findChildren<QAction*>()) {
            add(action, action->text());
        }
        return shown;
    }

    // Type names, datum and grid names, the engine's own words: settings values and names,
    // shown as they are in every language.
    bool NeverTranslated(const Shown& shown) const {
        static const QRegularExpression typeName(QStringLiteral("^[A-Za-z0-9]+$"));
        if (typeName.match(shown.text).hasMatch() ||
            shown.text == QString::fromStdString(m_script->version)) {
            return true;
        }
        const auto* list = m_window->findChild<QComboBox*>(shown.control);
        const bool referenceList = shown.control == u"cbdatums" || shown.control == u"cbgrids";
        return list != nullptr && referenceList && list->findText(shown.text) > 0;
    }

    std::optional<ProgramTranslations> m_translations;
};

TEST_F(TranslatedWindowTest, CLocaleShowsTheEnglishTextsExactly) {
    StartIn(QLocale::c());
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"mainfrm", "TOLK Batch File Converter V1.3"},
        {"Label1", "Do not run obscuring centre of screen, so that any error messages from TOLK "
                   "will be visible."},
        {"Label2", "Source Folder"},
        {"Label4", "Source File Type:"},
        {"Label5", "Merge with"},
        {"Label7", "Change Grid to"},
        {"Label6", "Change Datum to"},
        {"Label8", "Target Folder"},
        {"Label9", "Target Type"},
        {"Label3", "Status"},
        {"browsebtn", "Browse..."},
        {"convone", "Convert Selected"},
        {"skipbtn", "Skip Selected"},
        {"convall", "Convert All"},
        {"BitBtn1", "&Help"},
        {"cbtargassrc", "Same as Source folder"},
        {"connectlbl", "Connected to: GPSBabel Version 1.8.0"},
    };
    const std::vector<Shown> shown = ShownTexts();
    for (const auto& [control, text] : expected) {
        EXPECT_TRUE(std::ranges::any_of(shown,
                                        [&](const Shown& each) {
                                            return each.control == QLatin1String(control) &&
                                                   each.text == QLatin1String(text);
                                        }))
            << control << " does not show \"" << text << "\"";
    }
    const Catalogue english = ReadCatalogue(QStringLiteral("de"));
    for (const Shown& each : shown) {
        EXPECT_TRUE(english.sources.Shows(each.text) || NeverTranslated(each))
            << each.control.toStdString() << ": \"" << each.text.toStdString() << "\"";
    }
}

class WindowLanguageTest : public TranslatedWindowTest,
                           public ::testing::WithParamInterface<const char*> {};

TEST_P(WindowLanguageTest, EveryTextComesFromTheCatalogue) {
    const QString language = QString::fromLatin1(GetParam());
    StartIn(QLocale(language));
    const Catalogue catalogue = ReadCatalogue(language);
    for (const Shown& each : ShownTexts()) {
        EXPECT_TRUE(catalogue.translations.Shows(each.text) || NeverTranslated(each))
            << each.control.toStdString() << ": \"" << each.text.toStdString() << "\"";
    }
    // A catalogue that held the English texts as their translations would pass the above.
    EXPECT_NE(Find<QAbstractButton>("convall")->text(), QStringLiteral("Convert All"));
}

INSTANTIATE_TEST_SUITE_P(GermanAndFrench, WindowLanguageTest, ::testing::Values("de", "fr"));

} // namespace
} // namespace tolk
