#pragma once

#include "convert/FileOutcome.h"
#include "core/ConversionSettings.h"
#include "host/HostConnection.h"

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// Hears about a run on the thread that runs it.
class RunListener {
public:
    virtual ~RunListener() = default;
    /// A job began converting the listed file at the index. Files start in list order, but
    /// several may be under way at once.
    virtual void FileStarted(int index) = 0;
    /// The file at the index is done; called strictly in list order.
    virtual void FileFinished(int index, const FileOutcome& outcome) = 0;
};

/// The totals of a run, built from the outcomes handed on; the same whatever the number of jobs.
struct RunTotals {
    int done = 0; ///< files whose outcomes were handed on
    int converted = 0;
    /// Converted files whose target type could not hold all their data.
    int partlyKept = 0;
    /// "\r\n" + base name + "." + merge type per merge file not found, in list order.
    std::string mergeMissingList;
    /// The error that ended the run at a file; files after it were not handed on.
    std::optional<std::string> failure;
};

/// The one loop of "Convert All" (and of "Convert Selected", with one name): each job converts
/// whole files on its own host, and the outcomes are handed on in list order, so that what is
/// shown and counted is that of a run with one job. An error that ends the command at a file,
/// or Stop, ends the handing out of further files; files already begun are finished, and after
/// Stop their outcomes are still handed on.
class ConversionLoop {
public:
    /// The settings are copied; the names are the listed file names to convert, in order; one
    /// job runs per host (no more than there are names).
    ConversionLoop(ConversionSettings settings, std::vector<std::string> names,
                   std::vector<HostConnection*> hosts);

    /// Converts the names, telling the listener on the calling thread; returns when every job
    /// has ended.
    RunTotals Run(RunListener& listener);
    const std::vector<std::string>& Names() const { return m_names; }
    /// From any thread: no further file begins.
    void Stop() { m_stopped = true; }

private:
    ConversionSettings m_settings;
    std::vector<std::string> m_names;
    std::vector<HostConnection*> m_hosts;
    std::atomic<bool> m_stopped = false;
};

} // namespace tolk
