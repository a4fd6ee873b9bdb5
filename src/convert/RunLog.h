#pragma once

#include "convert/FileOutcome.h"

#include <fstream>
#include <string>

namespace tolk {

/// The log of the last run, "conversion.log" in the work folder: one line per file, with its
/// name, its result and what its outcome says (OutcomeNotes, and the merge file not found),
/// separated by tabs; control characters and backslashes in a field are escaped, so that a line
/// is a file. Written anew per run; a log that cannot be written is left out, as it never decides
/// a conversion.
class RunLog {
public:
    explicit RunLog(const std::string& workFolder);

    void Add(const std::string& fileName, const FileOutcome& outcome);

private:
    std::ofstream m_file;
};

} // namespace tolk
