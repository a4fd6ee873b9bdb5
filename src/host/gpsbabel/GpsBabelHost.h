#pragma once

#include "host/HostLink.h"
#include "host/engine/EngineRunner.h"
#include "host/engine/EngineView.h"
#include "host/engine/HostResult.h"
#include "host/formats/ContentType.h"
#include "host/formats/TypeFormatMap.h"
#include "host/gpsbabel/GpsBabelConfig.h"
#include "host/gpsbabel/HostKnowledge.h"
#include "host/gpsbabel/RunAhead.h"
#include "host/landing/SaveSetup.h"
#include "host/landing/SaveVerdict.h"
#include "host/reading/CarryRules.h"
#include "host/reading/HostDocument.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tolk {

/// The host on Linux: conversions carried out by the installed gpsbabel program.
///
/// Like an application with one open document: OpenFile starts a document from a file,
/// MergeFile adds further input files, ChangeGrid and ChangeDatum record choices, SaveFileAs runs
/// the engine once over all inputs and CloseWindow ends the document. A call the host could not
/// carry out returns a nonzero result code (see Result) and says why in its status's reason, and
/// so does an engine that crashed, ran past its time limit or was stopped (HostRun::endRuns): that
/// says nothing of the next file, as a run that several files share is given up at such an end and
/// the files after it run again. ConvertFiles converts many files in one engine run where they
/// come out as alone (RunAhead), and the others by their calls. Only an engine that could not be
/// started makes a failed call, and so does a run that left the target's disk full ("Unable to
/// write to <target>: Disk full").
///
/// A save succeeds only when the run read data and wrote what the target's format holds of it.
/// Where several formats may read a type, each file is read by the one whose believable read
/// accounts for most of the file (see ReaderChoice and WeighRead), starting with the one that
/// read the previous file of that type and first-line layout (see LeadingShape); a file whose
/// first bytes plainly belong to another type is read by that type's readers (see
/// TypeByContent), and the readers a text file's records name go first (see ShapeOf and
/// ContentReaders). When no candidate reads a file believably, the engine's other readers of line
/// records are tried, and then the save fails; a reader the user named is taken as given. A file
/// over 64 MB is read only by the readers its content names, or the likeliest one.
///
/// What the target's format cannot hold is counted and named (HostStatus::notKept); tracks and
/// routes after the first go to numbered companions for a format that keeps one per file.
class GpsBabelHost : public HostLink {
public:
    /// Result codes of calls that were made.
    using Result = HostResult::Code;
    using enum HostResult::Code;

    /// knowledge: what the host learns, shared with the hosts made with it.
    GpsBabelHost(EngineRunner runner, std::string version, TypeFormatMap formats,
                 GpsBabelConfig config, std::shared_ptr<HostKnowledge> knowledge);
    GpsBabelHost(const GpsBabelHost&) = delete;
    GpsBabelHost& operator=(const GpsBabelHost&) = delete;

    HostStatus RefreshData(std::int32_t& result) override;
    HostStatus RefreshMap(std::int32_t& result) override;
    HostStatus OpenFile(const std::string& path, std::int32_t& result) override;
    HostStatus CloseWindow(std::int32_t& result) override;
    HostStatus SaveFileAs(const std::string& path, std::int32_t& result) override;
    HostStatus MergeFile(const std::string& path, std::int32_t& result) override;
    HostStatus GetVersion(std::string& version) override;
    HostStatus ChangeDatum(const std::string& name, std::int32_t& result) override;
    HostStatus ChangeGrid(const std::string& name, std::int32_t& result) override;
    std::vector<std::string> FormatsFor(const std::string& type, FormatUse use) const override;
    std::vector<OfferedFormat> FormatsOffered(FormatUse use) const override;
    std::optional<std::string> ChooseFormat(const std::string& type,
                                            const std::string& format) override;
    std::vector<std::string> RunRefusals(const RunRequest& request) const override;
    void TidyFolder(const std::string& folder) override;
    void RunEnded() override;
    int FilesAhead() const override;
    void ConvertFiles(std::span<const FileConversion> files, const HostRun& run,
                      FileGate& gate) override;

private:
    static HostStatus Refuse(std::int32_t& result, std::int32_t code, std::string reason);
    std::optional<DocumentInput> ReadableInput(const std::string& path, std::string& reason) const;
    void ReadByContent(DocumentInput& input, const ContentType& content) const;
    void ReadByRecords(DocumentInput& input, std::string_view leading) const;
    void KeepLikeliestReaders(DocumentInput& input) const;
    CarryRules Carry() const { return CarryRules(m_formats, m_config.reference); }
    std::optional<std::string> SaveRefusal(const HostDocument& document,
                                           const std::filesystem::path& target,
                                           const std::string& type,
                                           const std::optional<FormatChoice>& format) const;
    HostStatus Save(const std::string& path, std::int32_t& result);
    /// Makes ready the save of the document to the path, its probe (if it needs one) under that
    /// name in the host's folder; none, with the refusal, when it cannot be made.
    std::optional<SaveSetup> SetUpSave(const HostDocument& document, const std::string& path,
                                       const std::string& probeName, std::string& refusal);
    bool NeedsProbe(const SaveSetup& setup);
    HostStatus Land(SaveSetup& setup, ChosenRun run, std::int32_t& result);
    std::string UsersReason(const EngineOutcome& outcome, const SaveSetup* setup) const;
    SaveVerdict KeepAndLand(const std::string& probeGpx, const KindCounts& read, SaveSetup& setup,
                            std::string& notKept);
    std::optional<RunAhead::Step> StepFor(const FileConversion& file) const;
    FileResult ConvertAhead(std::size_t step, const FileConversion& file);
    std::optional<CallResult> SaveAhead(std::size_t step);
    bool StartAhead(std::size_t first);
    std::optional<RunEcho> EchoFor(const std::vector<SaveSetup>& setups);
    bool SharesRuns(const SaveSetup& setup);

    /// Set while ConvertFiles runs once its run's endRuns is requested; the runner ends its runs
    /// while it is set.
    std::atomic<bool> m_stopAsked = false;
    EngineRunner m_runner;
    std::string m_version;
    TypeFormatMap m_formats;
    GpsBabelConfig m_config;
    HostDocument m_document;
    /// The target type of the run being converted (HostRun::targetType); empty between runs,
    /// when the calls are made one by one.
    std::string m_runTargetType;
    /// The engines the run being converted may lend to reader choice (HostRun::spareEngines);
    /// none between runs.
    SpareEngines* m_runSpareEngines = nullptr;
    std::shared_ptr<HostKnowledge> m_knowledge;
    /// The host's own private folder, made once, for the probe files of reader choice.
    EngineView m_scratch;
    /// The run's files, and the engine run that converts them ahead.
    RunAhead m_ahead;
};

/// Makes the program's hosts on Linux, each an instance of its own with its own document, all
/// sharing what they learn (HostKnowledge), so that the reader of a file never depends on which
/// host took it and each format is probed once, however many hosts there are and whenever they
/// are made.
class GpsBabelHostFactory {
public:
    /// `count` hosts from the first working gpsbabel on PATH and the user's "hostformats.ini" in
    /// the work folder, found once for all of them; throws when there is no working gpsbabel.
    std::vector<std::unique_ptr<HostLink>> Create(const GpsBabelConfig& config, int count);

private:
    std::shared_ptr<HostKnowledge> m_knowledge;
};

/// One host of a factory of its own.
std::unique_ptr<HostLink> CreateGpsBabelHost(const GpsBabelConfig& config);

/// `count` hosts of a factory of their own.
std::vector<std::unique_ptr<HostLink>> CreateGpsBabelHosts(const GpsBabelConfig& config, int count);

} // namespace tolk
