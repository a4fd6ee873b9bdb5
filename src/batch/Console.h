#pragma once

#include "convert/RunSink.h"
#include "core/Messenger.h"

#include <cstdio>
#include <string>

namespace tolk {

/// A text of the window's ("\r\n" between its lines) with the terminal's "\n" instead. Any
/// other control character but "\n" is shown as "?", so that nothing in a name or an engine's
/// message can steer the terminal.
std::string ConsoleText(const std::string& text);

/// A name, or a one-line text holding one, with every control character shown as "?", so that a
/// name cannot break its line apart.
std::string PrintableName(const std::string& name);

/// The window and its message boxes outside the file loop: the status line is a line on
/// standard output, messages go to standard error as they are and error reports as the
/// command's own complaints, and the question is asked on the terminal (counting as No when
/// standard input is not one) unless the answer was given on the command line.
class Console : public CommandSink, public Messenger {
public:
    Console(std::FILE* out, std::FILE* err, bool yesToQuestion);

    void ShowStatus(const std::string& text) override;
    /// On standard output, as the summary it follows.
    void ShowNote(const std::string& text) override;

    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void ReportError(const std::string& message) override;

    /// The command's own complaint, "tolkconv-batch: " + text, on standard error.
    void Complain(const std::string& text);

private:
    bool AskAtTerminal(const std::string& text);

    std::FILE* m_out;
    std::FILE* m_err;
    bool m_yesToQuestion;
};

} // namespace tolk
