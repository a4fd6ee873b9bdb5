#include "host/GpsBabelHost.h"

#include "core/PathAsFound.h"
#include "core/Text.h"
#include "core/TolkError.h"
#include "host/ContentType.h"
#include "host/EngineCounts.h"
#include "host/EngineView.h"
#include "host/HostFormatsFile.h"
#include "host/HostReasons.h"
#include "host/KeepCheck.h"
#include "host/LeadingShape.h"
#include "host/PendingOutput.h"
#include "host/PositionCheck.h"
#include "host/SavePlan.h"
#include "host/SaveVerdict.h"
#include "host/WaypointNames.h"
#include "host/WholeFile.h"

#include <algorithm>
#include <filesystem>

namespace tolk {
namespace {

// The status of a call that failed: the automation layer's "unspecified error".
constexpr std::int32_t FailedCallStatus = static_cast<std::int32_t>(0x80004005u);

const char* const EngineName = "gpsbabel";

// The input/output error whose text is "Disk full".
constexpr int DiskFullError = 101;

// The file type is what follows the last "." of the file name, as the converter builds it.
std::string TypeOf(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

// How the files were read where not as their types say, for the reason of a successful save.
std::string ReadNotes(const std::vector<DocumentInput>& inputs) {
    std::string notes;
    for (const DocumentInput& input : inputs) {
        if (!input.readNote.empty()) {
            notes += (notes.empty() ? "" : "; ") + input.readNote;
        }
    }
    return notes;
}

HostStatus Answer(std::int32_t& result, std::int32_t code) {
    result = code;
    return {};
}

} // namespace

GpsBabelHost::GpsBabelHost(EngineRunner runner, std::string version, TypeFormatMap formats,
                           GpsBabelConfig config, std::shared_ptr<HostKnowledge> knowledge)
    : m_runner(std::move(runner)), m_version(std::move(version)), m_formats(std::move(formats)),
      m_config(std::move(config)), m_knowledge(std::move(knowledge)) {
    // Cancel ends every run of this host's, probes of formats too: a probe that did not finish
    // teaches nothing.
    m_runner.StopWhen(m_stopAsked);
}

HostStatus GpsBabelHost::RefreshData(std::int32_t& result) {
    return Answer(result, Done);
}

HostStatus GpsBabelHost::RefreshMap(std::int32_t& result) {
    return Answer(result, Done);
}

HostStatus GpsBabelHost::GetVersion(std::string& version) {
    version = m_version;
    return {};
}

HostStatus GpsBabelHost::Refuse(std::int32_t& result, std::int32_t code, std::string reason) {
    m_reason = std::move(reason);
    return Answer(result, code);
}

std::optional<DocumentInput> GpsBabelHost::ReadableInput(const std::string& path,
                                                         std::string& reason) const {
    // The type is the one asked for, whatever the letter case of the file's own extension.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(PathAsFound(path), error);
    if (error || !std::filesystem::is_regular_file(absolute, error)) {
        reason = "the file was not found";
        return std::nullopt;
    }
    const std::string type = TypeOf(path);
    std::vector<FormatChoice> readers = m_formats.ReadersFor(type);
    if (readers.empty()) {
        reason = NoReaderReason(type);
        return std::nullopt;
    }
    const std::string leading = LeadingBytes(absolute.string());
    DocumentInput input{absolute.string(),
                        type,
                        std::move(readers),
                        m_formats.ReaderNamed(type),
                        AsciiUpper(type) + "\n" + LeadingShape(leading),
                        ""};
    if (input.readerNamed) {
        input.readers.resize(1);
    } else {
        ReadByContent(input, leading);
    }
    return input;
}

// A file whose content plainly belongs to another type (a KML file named ".gpx") is read by that
// type's readers: its own type's would read nothing, or nonsense.
void GpsBabelHost::ReadByContent(DocumentInput& input, std::string_view leading) const {
    const std::optional<ContentType> content = TypeByContent(leading);
    if (!content || SameAsciiCase(content->type, input.type)) {
        return;
    }
    std::vector<FormatChoice> readers = m_formats.ReadersFor(content->type);
    if (readers.empty()) {
        return;
    }
    input.readers = std::move(readers);
    input.readNote = "read as " + content->type + ": the file holds " + content->holds;
}

HostStatus GpsBabelHost::OpenFile(const std::string& path, std::int32_t& result) {
    m_stopAsked = false;
    m_document = {};
    std::string reason;
    std::optional<DocumentInput> input = ReadableInput(path, reason);
    if (!input) {
        return Refuse(result, Refused, reason);
    }
    m_document.open = true;
    m_document.inputs.push_back(std::move(*input));
    return Answer(result, Done);
}

HostStatus GpsBabelHost::MergeFile(const std::string& path, std::int32_t& result) {
    if (!m_document.open) {
        return Refuse(result, Refused, "no file is open to merge into");
    }
    std::string reason;
    std::optional<DocumentInput> input = ReadableInput(path, reason);
    if (!input) {
        return Refuse(result, Refused, reason);
    }
    m_document.inputs.push_back(std::move(*input));
    return Answer(result, Done);
}

HostStatus GpsBabelHost::CloseWindow(std::int32_t& result) {
    m_document = {};
    return Answer(result, Done);
}

HostStatus GpsBabelHost::ChangeDatum(const std::string& name, std::int32_t& result) {
    const std::optional<std::string> datum = Carry().OfferedDatum(name);
    if (!datum) {
        return Refuse(result, Refused, "gpsbabel offers no datum \"" + name + "\"");
    }
    if (const auto cause = Carry().TargetRefusal(m_runTargetType, *datum, "")) {
        return Refuse(result, Refused, *cause);
    }
    m_document.datum = *datum;
    return Answer(result, Done);
}

HostStatus GpsBabelHost::ChangeGrid(const std::string& name, std::int32_t& result) {
    const std::optional<std::string> keyword = Carry().GridKeyword(name);
    if (!keyword) {
        return Refuse(result, Refused, "gpsbabel has no grid \"" + name + "\"");
    }
    if (const auto cause = Carry().TargetRefusal(m_runTargetType, "", *keyword)) {
        return Refuse(result, Refused, *cause);
    }
    m_document.gridKeyword = *keyword;
    return Answer(result, Done);
}

std::vector<std::string> GpsBabelHost::RunRefusals(const RunRequest& request) const {
    m_runTargetType = request.targetType;
    return Carry().RunRefusals(request);
}

HostStatus GpsBabelHost::SaveFileAs(const std::string& path, std::int32_t& result) {
    if (!m_document.open) {
        return Refuse(result, Refused, "no file is open to save");
    }
    return Save(path, result);
}

std::optional<std::string>
GpsBabelHost::SaveRefusal(const std::filesystem::path& target, const std::string& type,
                          const std::optional<FormatChoice>& format) const {
    if (!format || !format->format.WritesAny()) {
        return NoWriterReason(type);
    }
    const std::vector<std::string> carry =
        Carry().CarryRefusals(type, format->format, m_document.datum, m_document.gridKeyword);
    if (!carry.empty()) {
        return carry.front();
    }
    const auto isTarget = [&](const DocumentInput& input) { return SameFile(input.path, target); };
    if (std::ranges::any_of(m_document.inputs, isTarget)) {
        return "the target is one of the files read";
    }
    return std::nullopt;
}

HostStatus GpsBabelHost::Save(const std::string& path, std::int32_t& result) {
    m_notKept.clear();
    std::error_code error;
    const std::filesystem::path target = std::filesystem::absolute(path, error);
    const std::string type = TypeOf(target);
    const std::optional<FormatChoice> format = m_formats.ForType(type);
    const auto refusal = error ? std::optional<std::string>("the target path cannot be used")
                               : SaveRefusal(target, type, format);
    if (refusal) {
        return Refuse(result, Refused, *refusal);
    }
    EngineView view;
    const std::string seenFolder = view.Folder(target.parent_path());
    std::vector<PlannedOutput> outputs =
        PlanOutputs(m_document.inputs, target, seenFolder, *format, m_knowledge->learned, m_runner);
    const auto notReady = [](const PlannedOutput& output) { return !output.pending->Ready(); };
    if (seenFolder.empty() || std::ranges::any_of(outputs, notReady)) {
        return Refuse(result, Refused, "the target folder cannot be written");
    }
    std::vector<std::string> seenPaths;
    std::vector<EngineInput> inputs;
    for (const DocumentInput& input : m_document.inputs) {
        seenPaths.push_back(view.Source(input.path));
        inputs.push_back({seenPaths.back(), m_knowledge->readers.ReadersInTurn(input).front(),
                          KindNamedIn(input.path)});
    }
    if (std::ranges::any_of(seenPaths, &std::string::empty)) {
        return Refuse(result, Refused, "the files to read cannot be reached");
    }
    const std::vector<EngineOutput> engineOutputs =
        EngineOutputs(outputs, *format, m_document.datum, m_document.gridKeyword);
    const bool choosing = std::ranges::any_of(
        m_document.inputs, [](const DocumentInput& input) { return input.readers.size() > 1; });
    const std::string probePath = m_scratch.Scratch("probe.gpx");
    if (probePath.empty()) {
        return Refuse(result, Refused, "the host's temporary folder cannot be written");
    }
    ChosenRun run = m_knowledge->readers.RunConversion(
        m_runner, inputs, engineOutputs, m_document.inputs, seenPaths, probePath, choosing);
    if (run.noReader) {
        InUsersPaths(*run.noReader, seenPaths, m_document.inputs, engineOutputs, target);
        return Refuse(result, run.noneRead ? EngineFailed : NothingWritten, *run.noReader);
    }
    EngineOutcome& outcome = run.outcome;
    if (outcome.ending != EngineOutcome::Ending::Finished) {
        outcome.output = WithoutCountReport(outcome.output);
        const std::string failure = outcome.Failure(EngineName, m_runner.Limit());
        if (outcome.ending == EngineOutcome::Ending::FailedToStart) {
            return {FailedCallStatus, failure};
        }
        return Refuse(result, EngineFailed, failure);
    }
    if (outcome.exitCode == 0 && outputs.front().pending->DiskFull()) {
        return {FailedCallStatus,
                "Unable to write to " + target.string() + ": " + IoErrorText(DiskFullError)};
    }
    const std::string read = ReadWholeFile(probePath);
    const ReadCheck check{
        CheckPositions(read), std::ranges::all_of(m_document.inputs, &DocumentInput::readerNamed),
        format->format.Writes(DataKind::Waypoints) && WaypointNamesRepeat(read) &&
            m_knowledge->learned.KeepsOneWaypointPerName(format->format, m_runner)};
    SaveVerdict verdict = JudgeRun(outcome, check, *format, m_document.inputs);
    if (verdict.code == Done) {
        verdict = KeepAndLand(read, CountsRead(outcome.output), *format, engineOutputs.front(),
                              target, seenFolder, outputs);
    }
    if (verdict.code != Done) {
        InUsersPaths(verdict.reason, seenPaths, m_document.inputs, engineOutputs, target);
        return Refuse(result, verdict.code, verdict.reason);
    }
    m_knowledge->readers.Remember(m_document.inputs, inputs);
    m_reason = ReadNotes(m_document.inputs);
    return Answer(result, Done);
}

void GpsBabelHost::TidyFolder(const std::string& folder) {
    RemoveDeadRunsTemporaries(folder);
}

SaveVerdict GpsBabelHost::KeepAndLand(const std::string& probeGpx, const KindCounts& read,
                                      const FormatChoice& format, const EngineOutput& like,
                                      const std::filesystem::path& target,
                                      const std::string& seenFolder,
                                      std::vector<PlannedOutput>& outputs) {
    const KeepJob job{m_runner, m_knowledge->learned, format, read};
    const std::string scratch = m_scratch.Scratch("line.gpx");
    if (auto failed = WriteNumberedCompanions(job, probeGpx, like, target.string(), seenFolder,
                                              scratch, outputs)) {
        return {NothingWritten, *failed};
    }
    std::string notKept = NotKept(job, outputs);
    if (!notKept.empty() && m_config.keepAllOrFail) {
        return {NotAllKept, notKept};
    }
    SaveVerdict verdict = LandOutputs(read, format, target, m_document.inputs, outputs);
    if (verdict.code == Done) {
        m_notKept = std::move(notKept);
    }
    return verdict;
}

std::vector<std::string> GpsBabelHost::FormatsFor(const std::string& type, FormatUse use) const {
    std::vector<std::string> names;
    if (use == FormatUse::Read) {
        for (const FormatChoice& reader : m_formats.ReadersFor(type)) {
            names.push_back(reader.format.name);
        }
    } else if (const auto writer = m_formats.ForType(type); writer && writer->format.WritesAny()) {
        names.push_back(writer->format.name);
    }
    return names;
}

std::vector<OfferedFormat> GpsBabelHost::FormatsOffered(FormatUse use) const {
    return m_formats.Formats().Offered(use);
}

bool GpsBabelHost::ChooseFormat(const std::string& type, const std::string& format) {
    if (m_formats.Formats().Named(format) == nullptr) {
        m_reason = "gpsbabel has no format named " + format;
        return false;
    }
    const std::string path = m_config.workFolder + "/" + HostFormatsFileName;
    if (m_config.workFolder.empty() || !SaveHostFormat(path, type, format)) {
        m_reason = "Unable to write to " + path;
        return false;
    }
    m_formats.Choose(type, format);
    return true;
}

} // namespace tolk
