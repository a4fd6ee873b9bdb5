#include "batch/Console.h"

#include "core/ErrorReport.h"
#include "core/Text.h"
#include "core/Translate.h"

#include <unistd.h>

namespace tolk {
namespace {

bool IsYes(const std::string& answer) {
    const auto first = answer.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return false;
    }
    const std::string word =
        AsciiUpper(answer.substr(first, answer.find_last_not_of(" \t\r") - first + 1));
    return word == "Y" || word == "YES";
}

std::string ReadLine(std::FILE* in) {
    std::string line;
    for (int c = std::fgetc(in); c != EOF && c != '\n'; c = std::fgetc(in)) {
        line += static_cast<char>(c);
    }
    return line;
}

} // namespace

Console::Console(std::FILE* out, std::FILE* err, bool yesToQuestion)
    : m_out(out), m_err(err), m_yesToQuestion(yesToQuestion) {}

void Console::ShowStatus(const std::string& text) {
    std::fprintf(m_out, "%s\n", PrintableName(text).c_str());
    std::fflush(m_out);
}

void Console::ShowNote(const std::string& text) {
    ShowStatus(text);
}

void Console::ShowMessage(const std::string& text) {
    std::fflush(m_out);
    std::fprintf(m_err, "%s\n", PrintableLines(text).c_str());
}

bool Console::AskYesNo(const std::string& text) {
    if (m_yesToQuestion) {
        return true;
    }
    if (isatty(STDIN_FILENO)) {
        return AskAtTerminal(text);
    }
    ShowMessage(text + "\r\n" +
                Tr("Batch", "No: standard input is not a terminal (--create-target answers Yes)."));
    return false;
}

bool Console::AskAtTerminal(const std::string& text) {
    std::fflush(m_out);
    std::fprintf(m_err, "%s [y/N] ", PrintableLines(text).c_str());
    std::fflush(m_err);
    return IsYes(ReadLine(stdin));
}

void Console::ReportError(const std::string& message) {
    Complain(ErrorReportText(message));
}

void Console::Complain(const std::string& text) {
    std::fflush(m_out);
    std::fprintf(m_err, "tolkconv-batch: %s\n", PrintableLines(text).c_str());
}

} // namespace tolk
