#include "convert/RunLog.h"

#include "core/Text.h"
#include "core/Translate.h"

namespace tolk {

RunLog::RunLog(const std::string& workFolder)
    : m_file(workFolder + "/conversion.log", std::ios::out | std::ios::trunc) {}

void RunLog::Add(const std::string& fileName, const FileOutcome& outcome) {
    std::string notes = OutcomeNotes(outcome);
    if (!outcome.mergeMissing.empty()) {
        notes += (notes.empty() ? "" : "; ") +
                 Tr("Convert", "%1 to merge was not found", {outcome.mergeMissing});
    }
    m_file << EscapedLine(fileName) << '\t'
           << (outcome.converted ? Tr("Convert", "Converted") : Tr("Convert", "NOT converted"))
           << '\t' << EscapedLine(notes) << '\n'
           << std::flush;
}

} // namespace tolk
