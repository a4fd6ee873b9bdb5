#pragma once

#include "batch/FileOutcome.h"
#include "convert/SourceFileList.h"
#include "core/ConversionSettings.h"
#include "host/HostConnection.h"

#include <string>
#include <vector>

namespace tolk {

/// Hears about a parallel run on the thread that started it.
class ConversionListener {
public:
    virtual ~ConversionListener() = default;
    /// A job began converting the listed file at the index (files start in list order, but
    /// several may be under way at once).
    virtual void FileStarted(int index) = 0;
    /// The file at the index is done; called strictly in list order.
    virtual void FileFinished(int index, const FileOutcome& outcome) = 0;
};

/// The totals of a run, the same whatever the number of jobs.
struct ConversionTotals {
    int listed = 0;
    int converted = 0;
    /// "\r\n" + base name + "." + merge type per merge file not found, in list order.
    std::string mergeMissingList;
    /// The error that ended the run at a file; files after it were not reported or counted.
    std::optional<std::string> failure;
};

/// The loop of "Convert All" with one job per host: each job converts whole files through the
/// window's per-file sequence on its own host, and the outcomes are handed on in list order,
/// so that lines, counts and the merge list are those of a run with one job. An error that
/// ends the command at a file stops the handing out of further files, as it stops the window's
/// loop; files other jobs already began are finished but neither reported nor counted.
/// The settings and the list are only read while the jobs run.
ConversionTotals ConvertAllInParallel(ConversionSettings& settings, SourceFileList& files,
                                      std::vector<HostConnection>& hosts,
                                      ConversionListener& listener);

} // namespace tolk
