#pragma once

#include "convert/RunSink.h"
#include "convert/RunTotals.h"

#include <string>
#include <vector>

namespace tolk {

/// Which command a run serves; they end differently.
enum class RunCommand { ConvertSelected, ConvertAll };

/// Shows a run as one job would: "Converting: " for the next file in list order once it began,
/// then that file's messages, its status and its outcome.
class RunPresenter : public RunListener {
public:
    RunPresenter(const std::vector<std::string>& names, RunSink& sink);

    void FileStarted(int index) override;
    void FileFinished(int index, const FileOutcome& outcome) override;
    /// The window leaves the status line and the highlight on the file whose error ended the
    /// run: the summary counts the files not begun, and the run's log lists them.
    void FileNotBegun(int, const FileOutcome&) override {}

private:
    std::string ConvertingText(int index) const;
    void ShowConverting(int index);

    const std::vector<std::string>& m_names;
    RunSink& m_sink;
    int m_lastStarted = -1;
    int m_nextToShow = 0;
};

/// The end of a command: for "Convert All", the summary of the files done in the status line and
/// a note of the files that kept only part of their data; the error report for an error that
/// ended the run; then the merge files not found, if any.
void ShowRunEnd(RunCommand command, const RunTotals& totals, CommandSink& sink);

/// The note after the summary of a run in which `files` converted files kept only part of their
/// data: "3 files kept only part of their data".
std::string PartlyKeptNote(int files);

/// Summary of "Convert All": "Converted 7 files." plus " NOT CONVERTED = 2" when files failed.
std::string ConvertAllSummary(int done, int converted);

} // namespace tolk
