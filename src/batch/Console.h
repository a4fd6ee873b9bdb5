#pragma once

#include "convert/RunSink.h"
#include "core/Messenger.h"

#include <cstdio>
#include <string>

namespace tolk {

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
