#pragma once

#include "convert/RunSink.h"
#include "convert/SourceFileList.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace tolk {

/// How a run shows itself.
enum class ReportStyle {
    Lines,       ///< a line per file (output that is not a terminal)
    ProgressBar, ///< a line per file, with a progress line kept below them (a terminal)
    Quiet,       ///< messages only; the summary follows the run
};

/// Prints a run as it goes: each file's messages on standard error, prefixed with its name,
/// then its status line on standard output and, when there is one, the reason or what it did
/// not keep under it on standard error, in list order.
class ConsoleReport : public RunListener {
public:
    ConsoleReport(const SourceFileList& files, ReportStyle style, std::FILE* out, std::FILE* err,
                  int width);

    void FileStarted(int index) override;
    void FileFinished(int index, const FileOutcome& outcome) override;
    /// Takes the progress line away, so that what follows starts on a clean line.
    void RunEnded() override;

private:
    void ClearProgress();
    void DrawProgress();

    const SourceFileList& m_files;
    ReportStyle m_style;
    std::FILE* m_out;
    std::FILE* m_err;
    int m_width;
    int m_done = 0;
    std::string m_current;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

} // namespace tolk
