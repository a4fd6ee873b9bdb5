#pragma once

#include <QStringList>
#include <optional>
#include <string>

namespace tolk {

/// The window program's command line, read before the application object exists, so that what
/// needs no window (--help, --version, a usage error) needs no display either. The window takes
/// no arguments of its own; Qt's options for every program's window (-style, -platform, ...)
/// are left to Qt.
class WindowCommandLine {
public:
    enum class Request { OpenWindow, Help, Version, UsageError };

    /// Reads the arguments, the program's name first.
    explicit WindowCommandLine(const QStringList& arguments);

    Request Asked() const { return m_asked; }
    /// With UsageError: what is wrong.
    const std::string& Error() const { return m_error; }

    static std::string HelpText();
    /// "tolkconv <version>".
    static std::string VersionText();

private:
    Request m_asked = Request::OpenWindow;
    std::string m_error;
};

/// Answers on standard output or standard error what the command line asks that needs no window,
/// and gives the exit status; nothing when the window is to open.
std::optional<int> AnswerWithoutWindow(int argc, char* argv[]);

} // namespace tolk
