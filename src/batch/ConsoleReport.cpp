#include "batch/ConsoleReport.h"

#include "batch/Console.h"
#include "batch/ProgressLine.h"
#include "convert/BaseName.h"
#include "core/Text.h"

namespace tolk {

ConsoleReport::ConsoleReport(const SourceFileList& files, ReportStyle style, std::FILE* out,
                             std::FILE* err, int width)
    : m_files(files), m_style(style), m_out(out), m_err(err), m_width(width) {}

void ConsoleReport::FileStarted(int index) {
    m_current = PrintableName(BaseName(m_files.NameAt(index)));
    DrawProgress();
}

void ConsoleReport::FileFinished(int index, const FileOutcome& outcome) {
    ++m_done;
    ClearProgress();
    const std::string name = PrintableName(m_files.NameAt(index));
    for (const std::string& message : outcome.messages) {
        std::fflush(m_out);
        std::fprintf(m_err, "%s: %s\n", name.c_str(), PrintableLines(message).c_str());
    }
    if (m_style != ReportStyle::Quiet) {
        std::fprintf(m_out, "%s\n", PrintableName(outcome.status).c_str());
    }
    for (const std::string* said : {&outcome.reason, &outcome.notKept}) {
        if (!said->empty()) {
            std::fflush(m_out);
            std::fprintf(m_err, "%s: %s\n", name.c_str(), PrintableLines(*said).c_str());
        }
    }
    DrawProgress();
    std::fflush(m_out);
}

void ConsoleReport::RunEnded() {
    ClearProgress();
    std::fflush(m_out);
}

void ConsoleReport::ClearProgress() {
    if (m_style == ReportStyle::ProgressBar) {
        std::fputs("\r\033[K", m_out);
    }
}

void ConsoleReport::DrawProgress() {
    if (m_style != ReportStyle::ProgressBar) {
        return;
    }
    const auto left = TimeLeft(m_done, m_files.Count(), std::chrono::steady_clock::now() - m_start);
    std::fprintf(m_out, "\r\033[K%s",
                 ProgressLine(m_done, m_files.Count(), m_current, left, m_width - 1).c_str());
    std::fflush(m_out);
}

} // namespace tolk
