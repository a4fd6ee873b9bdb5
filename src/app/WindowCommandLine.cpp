#include "app/WindowCommandLine.h"

#include "app/OutsideFolder.h"
#include "core/Translate.h"

#include <QCommandLineParser>
#include <cstdio>

namespace tolk {
namespace {

enum ExitStatus : int { Answered = 0, BadUsage = 2 };

struct OwnOption {
    const char* shortName;
    const char* name;
    const char* description;
};

const OwnOption OwnOptions[] = {
    {"h", "help", QT_TRANSLATE_NOOP("Batch", "Show this help and exit.")},
    {"v", "version", QT_TRANSLATE_NOOP("Batch", "Show the version and exit.")},
};

// Qt's documented options for the window of any Qt program; Qt reads them itself.
const char* const QtValueOptions[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet"};
const char* const QtFlagOptions[] = {"reverse", "widgetcount"};

void AddOptions(QCommandLineParser& parser) {
    // Qt's own options begin with one dash ("-style Fusion"), as it reads them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OwnOption& option : OwnOptions) {
        parser.addOption(QCommandLineOption(
            QStringList{QString::fromLatin1(option.shortName), QString::fromLatin1(option.name)}));
    }
    for (const char* name : QtValueOptions) {
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    }
    for (const char* name : QtFlagOptions) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    }
}

} // namespace

WindowCommandLine::WindowCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(arguments)) {
        m_asked = Request::UsageError;
        m_error = parser.errorText().toStdString();
    } else if (parser.positionalArguments().size() > 1) {
        m_asked = Request::UsageError;
        m_error = Tr("WindowCommandLine", "The window takes one folder, not also '%1'.",
                     {parser.positionalArguments().at(1).toStdString()});
    } else if (!parser.positionalArguments().isEmpty() && !TakeFolder(parser)) {
        m_asked = Request::UsageError;
        m_error = Tr("WindowCommandLine", "'%1' is not a folder.",
                     {parser.positionalArguments().constFirst().toStdString()});
    } else if (parser.isSet(QStringLiteral("help"))) {
        m_asked = Request::Help;
    } else if (parser.isSet(QStringLiteral("version"))) {
        m_asked = Request::Version;
    }
}

bool WindowCommandLine::TakeFolder(const QCommandLineParser& parser) {
    const std::optional<std::string> folder =
        OutsideFolder(parser.positionalArguments().constFirst());
    m_folder = folder.value_or("");
    return folder.has_value();
}

std::string WindowCommandLine::HelpText() {
    std::string text =
        Tr("WindowCommandLine",
           "Usage: tolkconv [options] [FOLDER]\n"
           "The window of TOLK Batch File Converter: converts every file of one "
           "type in a folder\nto another type through gpsbabel. To convert without "
           "a window, use tolkconv-batch.\n") +
        Tr("WindowCommandLine", "Started on a FOLDER, the window takes it as the source folder.") +
        "\n\n" + Tr("WindowCommandLine", "Options:") + "\n";
    for (const OwnOption& option : OwnOptions) {
        char line[120];
        std::snprintf(line, sizeof line, "  -%s, --%-9s ", option.shortName, option.name);
        text += line + Tr("Batch", option.description) + "\n";
    }
    return text + "\n" +
           Tr("WindowCommandLine",
              "Qt's options for the window of any Qt program, such as -style Fusion or "
              "-platform wayland,\nare taken as Qt documents them.\n");
}

std::string WindowCommandLine::VersionText() {
    return std::string("tolkconv ") + TOLK_VERSION;
}

QStringList ProgramArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments.append(QString::fromLocal8Bit(argv[index]));
    }
    return arguments;
}

std::optional<int> AnswerWithoutWindow(const WindowCommandLine& commandLine) {
    switch (commandLine.Asked()) {
    case WindowCommandLine::Request::Help:
        std::fputs(WindowCommandLine::HelpText().c_str(), stdout);
        return Answered;
    case WindowCommandLine::Request::Version:
        std::printf("%s\n", WindowCommandLine::VersionText().c_str());
        return Answered;
    case WindowCommandLine::Request::UsageError:
        std::fprintf(
            stderr, "tolkconv: %s\n%s\n", commandLine.Error().c_str(),
            Tr("WindowCommandLine", "Usage: tolkconv [options] [FOLDER]; try 'tolkconv --help'.")
                .c_str());
        return BadUsage;
    case WindowCommandLine::Request::OpenWindow:
        break;
    }
    return std::nullopt;
}

} // namespace tolk
