#include "convert/RunLog.h"

#include "core/Text.h"

namespace tolk {

RunLog::RunLog(const std::string& workFolder)
    : m_file(workFolder + "/conversion.log", std::ios::out | std::ios::trunc) {}

void RunLog::Add(const std::string& fileName, const FileOutcome& outcome) {
    std::string notes = OutcomeNotes(outcome);
    if (!outcome.mergeMissing.empty()) {
        notes += (notes.empty() ? "" : "; ") + outcome.mergeMissing + " to merge was not found";
    }
    m_file << EscapedLine(fileName) << '\t' << (outcome.converted ? "Converted" : "NOT converted")
           << '\t' << EscapedLine(notes) << '\n'
           << std::flush;
}

} // namespace tolk
