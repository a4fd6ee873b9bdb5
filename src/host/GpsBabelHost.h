#pragma once

#include "host/ConversionCommand.h"
#include "host/EngineRunner.h"
#include "host/EngineView.h"
#include "host/GpsBabelConfig.h"
#include "host/HostLink.h"
#include "host/PendingOutput.h"
#include "host/PositionCheck.h"
#include "host/SingleKindFormats.h"
#include "host/TypeFormatMap.h"

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// The host on Linux: conversions carried out by the installed gpsbabel program.
///
/// Like an application with one open document: OpenFile starts a document from a file,
/// MergeFile adds further input files, ChangeGrid and ChangeDatum record choices, SaveFileAs runs
/// the engine once over all inputs and CloseWindow ends the document. A call the host could not
/// carry out returns a nonzero result code (see Result) and says why in LastReason; only an engine
/// that could not be started,
/// crashed or ran past its time limit makes a failed call, described by what the engine said, and
/// so does a run that left the target's disk full ("Unable to write to <target>: Disk full").
///
/// A save succeeds only when the run read data and wrote what the target's format holds of it.
/// Where several formats may read a type, each file is read by the one that read the most points
/// among those whose read looks right (see CheckPositions), starting with the one that read the
/// previous file of that type and first-line layout (see LeadingShape). Whatever the reader, a read
/// that looks wrong fails the save.
class GpsBabelHost : public HostLink {
public:
    /// Result codes of calls that were made.
    enum Result : std::int32_t {
        Done = 0,
        /// Refused before the engine ran: no open document, a missing file, a type without a
        /// fitting format, a name not offered, a datum or grid the target's format cannot carry,
        /// nothing both formats hold, a target that is an input, or a target folder that cannot
        /// be written.
        Refused = 1,
        EngineFailed = 2,   ///< the engine ran and reported failure
        NothingWritten = 3, ///< the engine succeeded but carried no data to the target
        NotMoved = 4,       ///< the finished output could not be moved into place
    };

    GpsBabelHost(EngineRunner runner, std::string version, TypeFormatMap formats,
                 GpsBabelConfig config);

    HostStatus RefreshData(std::int32_t& result) override;
    HostStatus RefreshMap(std::int32_t& result) override;
    HostStatus OpenFile(const std::string& path, std::int32_t& result) override;
    HostStatus CloseWindow(std::int32_t& result) override;
    HostStatus SaveFileAs(const std::string& path, std::int32_t& result) override;
    HostStatus MergeFile(const std::string& path, std::int32_t& result) override;
    HostStatus GetVersion(std::string& version) override;
    HostStatus ChangeDatum(const std::string& name, std::int32_t& result) override;
    HostStatus ChangeGrid(const std::string& name, std::int32_t& result) override;
    std::string LastReason() const override { return m_reason; }
    std::vector<std::string> FormatsFor(const std::string& type, FormatUse use) const override;
    std::vector<OfferedFormat> FormatsOffered(FormatUse use) const override;
    bool ChooseFormat(const std::string& type, const std::string& format) override;
    std::vector<std::string> RunRefusals(const RunRequest& request) const override;

private:
    /// A file of the document with the formats that may read it, the likeliest first.
    struct DocumentInput {
        std::string path; ///< absolute
        std::string type;
        std::vector<FormatChoice> readers;
        /// The type in upper case and the shape of the file's first line (see LeadingShape).
        std::string layout;
    };
    struct Document {
        bool open = false;
        std::vector<DocumentInput> inputs;
        std::string datum;
        std::string gridKeyword;
    };
    /// One engine run's outcome as a result code and reason.
    struct Verdict {
        std::int32_t code = Done;
        std::string reason;
    };
    /// A file a save writes: all kinds carried, or one kind for a format of one kind per file.
    struct PlannedOutput {
        std::optional<DataKind> kind;
        std::unique_ptr<PendingOutput> pending;
    };

    HostStatus Refuse(std::int32_t& result, std::int32_t code, std::string reason);
    std::optional<DocumentInput> ReadableInput(const std::string& path, std::string& reason) const;
    std::optional<std::string> OfferedDatum(const std::string& name) const;
    std::optional<std::string> GridKeyword(const std::string& name) const;
    std::vector<std::string> CarryRefusals(const std::string& type, const EngineFormat& format,
                                           const std::string& datum,
                                           const std::string& gridKeyword) const;
    /// Why the target type of the run last asked about cannot carry the datum or grid.
    std::optional<std::string> RunTargetRefusal(const std::string& datum,
                                                const std::string& gridKeyword) const;
    std::vector<FormatChoice> ReadersInTurn(const DocumentInput& input) const;
    std::vector<EngineInput> ChooseReaders(const std::vector<std::string>& seenPaths,
                                           const std::string& probePath);
    std::optional<std::string> SaveRefusal(const std::filesystem::path& target,
                                           const std::string& type,
                                           const std::optional<FormatChoice>& format) const;
    std::vector<PlannedOutput> PlanOutputs(const std::filesystem::path& target,
                                           const std::string& seenFolder,
                                           const FormatChoice& format);
    EngineOutcome RunConversion(std::vector<EngineInput>& inputs,
                                const std::vector<EngineOutput>& outputs,
                                const std::vector<std::string>& seenPaths,
                                const std::string& probePath, bool choosing);
    HostStatus Save(const std::string& path, std::int32_t& result);
    /// Judges the run and moves what it wrote into place.
    Verdict Finish(const EngineOutcome& outcome, Plausibility positions, const FormatChoice& format,
                   const std::filesystem::path& target, std::vector<PlannedOutput>& outputs) const;

    EngineRunner m_runner;
    std::string m_version;
    TypeFormatMap m_formats;
    GpsBabelConfig m_config;
    Document m_document;
    std::string m_reason;
    /// Per layout of file (DocumentInput::layout), the format that last read such a file well:
    /// per type alone, a reader that skips a header row it expects would go first for every
    /// file after one of its own, and its plausible read of fewer rows would be kept.
    std::map<std::string, std::string> m_lastReader;
    /// The target type of the run last asked about (RunRefusals), so that a datum or grid
    /// change its format would drop is refused when it is asked for, not dropped at the save.
    mutable std::string m_runTargetType;
    SingleKindFormats m_singleKind;
    /// The host's own private folder, made once, for the probe files of reader choice.
    EngineView m_scratch;
};

/// Creates the program's host on Linux from the first working gpsbabel on PATH and the user's
/// "hostformats.ini" in the work folder; throws when there is no working gpsbabel.
std::unique_ptr<HostLink> CreateGpsBabelHost(const GpsBabelConfig& config);

/// The same for `count` hosts, each an instance of its own with its own document, from one
/// search for the engine (so that parallel jobs do not each pay for it).
std::vector<std::unique_ptr<HostLink>> CreateGpsBabelHosts(const GpsBabelConfig& config, int count);

} // namespace tolk
