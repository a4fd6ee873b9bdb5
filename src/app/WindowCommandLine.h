#pragma once

#include <QStringList>
#include <optional>
#include <string>

class QCommandLineParser;

namespace tolk {

/// The window program's command line, read before the application object exists, so that what
/// needs no window (--help, --version, a usage error) needs no display either. The window takes
/// one argument of its own, a folder to start with as the source folder; Qt's options for every
/// program's window (-style, -platform, ...) are left to Qt.
class WindowCommandLine {
public:
    enum class Request { OpenWindow, Help, Version, UsageError };

    /// Reads the arguments, the program's name first.
    explicit WindowCommandLine(const QStringList& arguments);

    Request Asked() const { return m_asked; }
    /// With UsageError: what is wrong.
    const std::string& Error() const { return m_error; }
    /// With OpenWindow: the source folder to start with; empty for the saved one.
    const std::string& Folder() const { return m_folder; }

    static std::string HelpText();
    /// "tolkconv <version>".
    static std::string VersionText();

private:
    /// Takes the one positional argument as the folder; false when it names none.
    bool TakeFolder(const QCommandLineParser& parser);

    Request m_asked = Request::OpenWindow;
    std::string m_error;
    std::string m_folder;
};

/// The program's arguments as Qt reads them, the program's name first.
QStringList ProgramArguments(int argc, char* argv[]);

/// Answers on standard output or standard error what the command line asks that needs no window,
/// and gives the exit status; nothing when the window is to open.
std::optional<int> AnswerWithoutWindow(const WindowCommandLine& commandLine);

} // namespace tolk
