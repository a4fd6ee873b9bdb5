#include "convert/RunLog.h"

namespace tolk {

RunLog::RunLog(const std::string& workFolder)
    : m_file(workFolder + "/conversion.log", std::ios::out | std::ios::trunc) {}

void RunLog::Add(const std::string& fileName, const FileOutcome& outcome) {
    m_file << fileName << '\t' << (outcome.converted ? "Converted" : "NOT converted") << '\t'
           << OutcomeNotes(outcome) << '\n'
           << std::flush;
}

} // namespace tolk
