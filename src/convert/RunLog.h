#pragma once

#include "convert/FileOutcome.h"

#include <fstream>
#include <string>

namespace tolk {

/// The log of the last run, "conversion.log" in the work folder: one line per file, with its
/// name, its result and what its outcome says (OutcomeNotes), separated by tabs. Written anew per
/// run; a log that cannot be written is left out, as it never decides a conversion.
class RunLog {
public:
    explicit RunLog(const std::string& workFolder);

    void Add(const std::string& fileName, const FileOutcome& outcome);

private:
    std::ofstream m_file;
};

} // namespace tolk
