#pragma once

#include "host/ConversionCommand.h"
#include "host/EngineRunner.h"
#include "host/GpsBabelConfig.h"
#include "host/HostLink.h"
#include "host/TypeFormatMap.h"

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
/// carry out returns a nonzero result code (see Result); only an engine that could not be started,
/// crashed or ran past its time limit makes a failed call, described by what the engine said, and
/// so does a run that left the target's disk full ("Unable to write to <target>: Disk full").
class GpsBabelHost : public HostLink {
public:
    /// Result codes of calls that were made.
    enum Result : std::int32_t {
        Done = 0,
        /// Refused before the engine ran: no open document, a missing file, a type without a
        /// fitting format, a name not offered, nothing both formats hold, a target that is an
        /// input, or a target folder that cannot be written.
        Refused = 1,
        EngineFailed = 2,   ///< the engine ran and reported failure
        NothingWritten = 3, ///< the engine succeeded but wrote nothing to the target
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

private:
    struct Document {
        bool open = false;
        std::vector<EngineInput> inputs;
        std::string datum;
        std::string gridKeyword;
    };

    std::optional<EngineInput> ReadableInput(const std::string& path) const;
    std::optional<std::string> OfferedDatum(const std::string& name) const;
    std::optional<std::string> GridKeyword(const std::string& name) const;
    HostStatus Save(const std::string& path, std::int32_t& result) const;

    EngineRunner m_runner;
    std::string m_version;
    TypeFormatMap m_formats;
    GpsBabelConfig m_config;
    Document m_document;
    std::string m_reason;
};

/// Creates the program's host on Linux from the first working gpsbabel on PATH and the user's
/// "hostformats.ini" in the work folder; throws when there is no working gpsbabel.
std::unique_ptr<HostLink> CreateGpsBabelHost(const GpsBabelConfig& config);

/// The same for `count` hosts, each an instance of its own with its own document, from one
/// search for the engine (so that parallel jobs do not each pay for it).
std::vector<std::unique_ptr<HostLink>> CreateGpsBabelHosts(const GpsBabelConfig& config, int count);

} // namespace tolk
