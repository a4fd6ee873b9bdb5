#pragma once

#include "convert/RunView.h"
#include "convert/SourceFileList.h"
#include "core/ConversionSettings.h"
#include "core/Messenger.h"
#include "host/HostConnection.h"

#include <string>

namespace tolk {

/// The three conversion commands and the per-file sequence that drives the host.
class ConversionRun {
public:
    ConversionRun(ConversionSettings& settings, HostConnection& host, SourceFileList& files,
                  RunView& view, Messenger& messenger);

    /// "Convert Selected": converts the current file and moves the selection on.
    void ConvertSelected();
    /// "Convert All": converts every listed file and shows the summary.
    void ConvertAll();
    /// "Skip Selected": moves the selection on.
    void SkipSelected();

    /// Open, merge, grid, datum, save and close for the listed file at the index.
    void ConvertFile(int index);
    /// Takes an edited target folder over; offers to create a missing one.
    bool CheckTargetFolder();
    /// Refuses a run whose source, merge and target types clash.
    bool CheckTypeConflicts();

    int ConvertedCount() const { return m_convertedCount; }
    /// Lines of "\r\n" + base name + "." + merge type for merge files that were not found.
    const std::string& MergeMissingList() const { return m_mergeMissingList; }

private:
    bool OpenSource(const std::string& baseName, bool& success);
    void MergeIfPresent(const std::string& baseName);
    void ChangeGridAndDatum();
    void MoveSelectionOn();

    ConversionSettings& m_settings;
    HostConnection& m_host;
    SourceFileList& m_files;
    RunView& m_view;
    Messenger& m_messenger;
    int m_convertedCount = 0;
    std::string m_mergeMissingList;
};

/// The end of "Convert All": the summary in the status line, then the message listing the merge
/// files that were not found, if any.
void ShowConvertAllResult(RunView& view, Messenger& messenger, int listed, int converted,
                          const std::string& mergeMissingList);

/// Summary of "Convert All": "Converted 7 files." plus " NOT CONVERTED = 2" when files failed.
std::string ConvertAllSummary(int listed, int converted);

} // namespace tolk
