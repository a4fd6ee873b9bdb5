#include "convert/RunPresenter.h"

#include "convert/BaseName.h"
#include "core/Translate.h"

#include <algorithm>

namespace tolk {

RunPresenter::RunPresenter(const std::vector<std::string>& names, RunSink& sink)
    : m_names(names), m_sink(sink) {}

void RunPresenter::FileStarted(int index) {
    // Jobs begin their files at once, so not always in list order.
    m_lastStarted = std::max(m_lastStarted, index);
    if (index == m_nextToShow) {
        ShowConverting(index);
    }
}

void RunPresenter::FileFinished(int index, const FileOutcome& outcome) {
    for (const std::string& message : outcome.messages) {
        m_sink.ShowMessage(message);
    }
    if (outcome.status != ConvertingText(index)) {
        m_sink.ShowStatus(outcome.status);
    }
    m_sink.FileDone(index, outcome);
    m_nextToShow = index + 1;
    if (m_lastStarted >= m_nextToShow) {
        ShowConverting(m_nextToShow);
    }
}

std::string RunPresenter::ConvertingText(int index) const {
    return Tr("Convert", "Converting: %1", {BaseName(m_names[static_cast<std::size_t>(index)])});
}

void RunPresenter::ShowConverting(int index) {
    m_sink.ShowStatus(ConvertingText(index));
}

void ShowRunEnd(RunCommand command, const RunTotals& totals, CommandSink& sink) {
    if (command == RunCommand::ConvertAll) {
        sink.ShowStatus(ConvertAllSummary(totals.done, totals.converted));
        if (totals.partlyKept > 0) {
            sink.ShowNote(PartlyKeptNote(totals.partlyKept));
        }
    }
    if (totals.failure) {
        sink.ReportError(*totals.failure);
    }
    if (!totals.mergeMissingList.empty()) {
        sink.ShowMessage((command == RunCommand::ConvertAll
                              ? Tr("Convert", "Unable to find files to merge:")
                              : Tr("Convert", "Unable to find file to merge:")) +
                         totals.mergeMissingList);
    }
}

std::string PartlyKeptNote(int files) {
    return files == 1
               ? Tr("Convert", "%1 file kept only part of its data", {std::to_string(files)})
               : Tr("Convert", "%1 files kept only part of their data", {std::to_string(files)});
}

std::string ConvertAllSummary(int done, int converted) {
    std::string summary = Tr("Convert", "Converted %1 files.", {std::to_string(converted)});
    if (done - converted != 0) {
        summary += Tr("Convert", " NOT CONVERTED = %1", {std::to_string(done - converted)});
    }
    return summary;
}

} // namespace tolk
