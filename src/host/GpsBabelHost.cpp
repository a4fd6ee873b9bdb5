#include "host/GpsBabelHost.h"

#include "core/PathAsFound.h"
#include "core/Text.h"
#include "core/TolkError.h"
#include "host/EngineCounts.h"
#include "host/EngineLocator.h"
#include "host/EngineView.h"
#include "host/HostFormatsFile.h"
#include "host/LeadingShape.h"
#include "host/PendingOutput.h"
#include "host/PositionCheck.h"
#include "host/SingleKindFormats.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tolk {
namespace {

// The status of a call that failed: the automation layer's "unspecified error".
constexpr std::int32_t FailedCallStatus = static_cast<std::int32_t>(0x80004005u);

const char* const EngineName = "gpsbabel";

// The input/output error whose text is "Disk full".
constexpr int DiskFullError = 101;

// The engine's own words when the validate filter found nothing read.
const char* const NoInputMessage = "validate:No input";

const char* const DefaultDatum = "WGS 84";

std::string NoReaderReason(const std::string& type) {
    return "no gpsbabel format reads ." + type + " files";
}

std::string NoWriterReason(const std::string& type) {
    return "no gpsbabel format writes ." + type + " files";
}

// A file of another format under this type's extension often reads as nothing at all: naming
// the type it was read as says more than "no data" about a file that visibly holds some.
std::string NothingReadReason(const std::vector<std::string>& types) {
    std::string reason = "gpsbabel read no data from the file as";
    for (std::size_t index = 0; index < types.size(); ++index) {
        reason += (index == 0 ? " ." : " and .") + types[index];
    }
    return reason;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The engine names the files by the paths it was shown; the user knows them by their own.
void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); !from.empty() && at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

// The file type is what follows the last "." of the file name, as the converter builds it.
std::string TypeOf(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

HostStatus Answer(std::int32_t& result, std::int32_t code) {
    result = code;
    return {};
}

} // namespace

GpsBabelHost::GpsBabelHost(EngineRunner runner, std::string version, TypeFormatMap formats,
                           GpsBabelConfig config)
    : m_runner(runner), m_version(version), m_formats(std::move(formats)),
      m_config(std::move(config)),
      m_singleKind(std::move(runner), std::move(version), SingleKindCacheFile()) {}

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

std::optional<GpsBabelHost::DocumentInput> GpsBabelHost::ReadableInput(const std::string& path,
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
    return DocumentInput{absolute.string(), type, std::move(readers),
                         AsciiUpper(type) + "\n" + LeadingShape(absolute.string())};
}

HostStatus GpsBabelHost::OpenFile(const std::string& path, std::int32_t& result) {
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

std::optional<std::string> GpsBabelHost::OfferedDatum(const std::string& name) const {
    // A comma would end the engine's option value and start another option.
    const std::string* offered = m_config.reference.OfferedDatum(name);
    if (offered == nullptr || offered->find(',') != std::string::npos) {
        return std::nullopt;
    }
    return *offered;
}

std::optional<std::string> GpsBabelHost::GridKeyword(const std::string& name) const {
    const GridEntry* offered = m_config.reference.OfferedGrid(name);
    if (offered == nullptr || offered->keyword.empty()) {
        return std::nullopt;
    }
    return offered->keyword;
}

HostStatus GpsBabelHost::ChangeDatum(const std::string& name, std::int32_t& result) {
    const std::optional<std::string> datum = OfferedDatum(name);
    if (!datum) {
        return Refuse(result, Refused, "gpsbabel offers no datum \"" + name + "\"");
    }
    if (const auto cause = RunTargetRefusal(*datum, "")) {
        return Refuse(result, Refused, *cause);
    }
    m_document.datum = *datum;
    return Answer(result, Done);
}

HostStatus GpsBabelHost::ChangeGrid(const std::string& name, std::int32_t& result) {
    const std::optional<std::string> keyword = GridKeyword(name);
    if (!keyword) {
        return Refuse(result, Refused, "gpsbabel has no grid \"" + name + "\"");
    }
    if (const auto cause = RunTargetRefusal("", *keyword)) {
        return Refuse(result, Refused, *cause);
    }
    m_document.gridKeyword = *keyword;
    return Answer(result, Done);
}

std::optional<std::string> GpsBabelHost::RunTargetRefusal(const std::string& datum,
                                                          const std::string& gridKeyword) const {
    const std::optional<FormatChoice> format =
        m_runTargetType.empty() ? std::nullopt : m_formats.ForType(m_runTargetType);
    if (!format) {
        return std::nullopt;
    }
    const std::vector<std::string> causes =
        CarryRefusals(m_runTargetType, format->format, datum, gridKeyword);
    return causes.empty() ? std::nullopt : std::optional<std::string>(causes.front());
}

std::vector<std::string> GpsBabelHost::CarryRefusals(const std::string& type,
                                                     const EngineFormat& format,
                                                     const std::string& datum,
                                                     const std::string& gridKeyword) const {
    // WGS 84 is what every format holds. The degree grids only choose how degrees are shown:
    // a format that always holds degrees carries the positions unchanged. The other grids and
    // datums change the coordinates themselves, which only formats with such an option hold.
    std::vector<std::string> causes;
    if (!datum.empty() && !SameReferenceName(datum, DefaultDatum) && !format.HasOption("datum")) {
        causes.push_back(type + " cannot carry a datum change");
    }
    const bool degrees =
        std::ranges::any_of(m_config.reference.Grids(), [&](const GridEntry& grid) {
            return grid.degrees && grid.keyword == gridKeyword;
        });
    if (!gridKeyword.empty() && !degrees && !format.HasOption("grid")) {
        causes.push_back(type + " cannot carry a grid change");
    }
    return causes;
}

std::vector<std::string> GpsBabelHost::RunRefusals(const RunRequest& request) const {
    m_runTargetType = request.targetType;
    std::vector<std::string> causes;
    if (m_formats.ReadersFor(request.sourceType).empty()) {
        causes.push_back(NoReaderReason(request.sourceType));
    }
    if (!request.mergeType.empty() && m_formats.ReadersFor(request.mergeType).empty()) {
        causes.push_back(NoReaderReason(request.mergeType) + " (the merge type)");
    }
    std::optional<std::string> datum;
    if (!request.datum.empty() && !(datum = OfferedDatum(request.datum))) {
        causes.push_back("gpsbabel offers no datum \"" + request.datum + "\"");
    }
    std::optional<std::string> grid;
    if (!request.grid.empty() && !(grid = GridKeyword(request.grid))) {
        causes.push_back("gpsbabel has no grid \"" + request.grid + "\"");
    }
    const std::optional<FormatChoice> target = m_formats.ForType(request.targetType);
    if (!target || !target->format.WritesAny()) {
        causes.push_back(NoWriterReason(request.targetType));
        return causes;
    }
    for (std::string& cause :
         CarryRefusals(request.targetType, target->format, datum.value_or(""), grid.value_or(""))) {
        causes.push_back(std::move(cause));
    }
    return causes;
}

HostStatus GpsBabelHost::SaveFileAs(const std::string& path, std::int32_t& result) {
    if (!m_document.open) {
        return Refuse(result, Refused, "no file is open to save");
    }
    return Save(path, result);
}

std::vector<FormatChoice> GpsBabelHost::ReadersInTurn(const DocumentInput& input) const {
    std::vector<FormatChoice> readers = input.readers;
    const auto last = m_lastReader.find(input.layout);
    if (last != m_lastReader.end()) {
        std::stable_partition(readers.begin(), readers.end(), [&](const FormatChoice& reader) {
            return reader.format.name == last->second;
        });
    }
    return readers;
}

std::vector<EngineInput> GpsBabelHost::ChooseReaders(const std::vector<std::string>& seenPaths,
                                                     const std::string& probePath) {
    // Each input alone, every reader in turn: of those whose positions are plausible the one
    // that read the most points; else the first with only a few points at 0,0; else the first,
    // whose failure then says why.
    std::vector<EngineInput> chosen;
    for (std::size_t index = 0; index < m_document.inputs.size(); ++index) {
        const std::vector<FormatChoice> readers = ReadersInTurn(m_document.inputs[index]);
        const DataKind readAs = KindNamedIn(m_document.inputs[index].path);
        std::optional<FormatChoice> fallback;
        std::optional<FormatChoice> found;
        long foundPoints = 0;
        for (const FormatChoice& reader : readers) {
            if (readers.size() == 1) {
                break;
            }
            const EngineOutcome outcome = m_runner.Run(
                ConversionArguments({{seenPaths[index], reader, readAs}}, {}, probePath));
            const std::string probe = outcome.Succeeded() ? ReadWholeFile(probePath) : "";
            const Plausibility verdict = CheckPositions(probe);
            if (verdict == Plausibility::Plausible && PositionCount(probe) > foundPoints) {
                found = reader;
                foundPoints = PositionCount(probe);
            } else if (verdict == Plausibility::SomeAtZero && !fallback) {
                fallback = reader;
            }
        }
        chosen.push_back(
            {seenPaths[index], found ? *found : fallback.value_or(readers.front()), readAs});
    }
    return chosen;
}

std::optional<std::string>
GpsBabelHost::SaveRefusal(const std::filesystem::path& target, const std::string& type,
                          const std::optional<FormatChoice>& format) const {
    if (!format || !format->format.WritesAny()) {
        return NoWriterReason(type);
    }
    const std::vector<std::string> carry =
        CarryRefusals(type, format->format, m_document.datum, m_document.gridKeyword);
    if (!carry.empty()) {
        return carry.front();
    }
    const auto isTarget = [&](const DocumentInput& input) { return SameFile(input.path, target); };
    if (std::ranges::any_of(m_document.inputs, isTarget)) {
        return "the target is one of the files read";
    }
    return std::nullopt;
}

std::vector<GpsBabelHost::PlannedOutput>
GpsBabelHost::PlanOutputs(const std::filesystem::path& target, const std::string& seenFolder,
                          const FormatChoice& format) {
    // Every kind some candidate reader may read and the format writes.
    std::vector<DataKind> kinds;
    for (DataKind kind : AllDataKinds) {
        const bool read = std::ranges::any_of(m_document.inputs, [&](const DocumentInput& input) {
            return std::ranges::any_of(input.readers, [&](const FormatChoice& reader) {
                return reader.format.Reads(kind);
            });
        });
        if (read && format.format.Writes(kind)) {
            kinds.push_back(kind);
        }
    }
    std::vector<PlannedOutput> outputs;
    if (kinds.size() < 2 || !m_singleKind.HoldsOneKind(format.format)) {
        outputs.push_back(
            {std::nullopt, std::make_unique<PendingOutput>(target.string(), seenFolder)});
        return outputs;
    }
    for (DataKind kind : kinds) {
        outputs.push_back({kind, std::make_unique<PendingOutput>(
                                     CompanionPath(target.string(), kind), seenFolder)});
    }
    return outputs;
}

EngineOutcome GpsBabelHost::RunConversion(std::vector<EngineInput>& inputs,
                                          const std::vector<EngineOutput>& outputs,
                                          const std::vector<std::string>& seenPaths,
                                          const std::string& probePath, bool choosing) {
    // The run also writes a probe of what it read. Where a type has several readers only a probe
    // with plausible positions keeps the first choice; otherwise each input's reader is chosen
    // alone and the run made again.
    EngineOutcome outcome = m_runner.Run(ConversionArguments(inputs, outputs, probePath));
    if (choosing && !(outcome.Succeeded() &&
                      CheckPositions(ReadWholeFile(probePath)) == Plausibility::Plausible)) {
        inputs = ChooseReaders(seenPaths, probePath);
        outcome = m_runner.Run(ConversionArguments(inputs, outputs, probePath));
    }
    return outcome;
}

HostStatus GpsBabelHost::Save(const std::string& path, std::int32_t& result) {
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
    std::vector<PlannedOutput> outputs = PlanOutputs(target, seenFolder, *format);
    const auto notReady = [](const PlannedOutput& output) { return !output.pending->Ready(); };
    if (seenFolder.empty() || std::ranges::any_of(outputs, notReady)) {
        return Refuse(result, Refused, "the target folder cannot be written");
    }
    std::vector<std::string> seenPaths;
    std::vector<EngineInput> inputs;
    for (const DocumentInput& input : m_document.inputs) {
        seenPaths.push_back(view.Source(input.path));
        inputs.push_back({seenPaths.back(), ReadersInTurn(input).front(), KindNamedIn(input.path)});
    }
    if (std::ranges::any_of(seenPaths, &std::string::empty)) {
        return Refuse(result, Refused, "the files to read cannot be reached");
    }
    std::vector<EngineOutput> engineOutputs;
    for (const PlannedOutput& output : outputs) {
        engineOutputs.push_back({output.pending->TempPath(), *format, m_document.datum,
                                 m_document.gridKeyword, output.kind});
    }
    const bool choosing = std::ranges::any_of(
        m_document.inputs, [](const DocumentInput& input) { return input.readers.size() > 1; });
    const std::string probePath = m_scratch.Scratch("probe.gpx");
    if (probePath.empty()) {
        return Refuse(result, Refused, "the host's temporary folder cannot be written");
    }
    EngineOutcome outcome = RunConversion(inputs, engineOutputs, seenPaths, probePath, choosing);
    if (outcome.ending != EngineOutcome::Ending::Finished) {
        outcome.output = WithoutCountReport(outcome.output);
        return {FailedCallStatus, outcome.Failure(EngineName, m_runner.Limit())};
    }
    if (outcome.exitCode == 0 && outputs.front().pending->DiskFull()) {
        return {FailedCallStatus,
                "Unable to write to " + target.string() + ": " + IoErrorText(DiskFullError)};
    }
    Verdict verdict =
        Finish(outcome, CheckPositions(ReadWholeFile(probePath)), *format, target, outputs);
    if (verdict.code != Done) {
        for (std::size_t index = 0; index < seenPaths.size(); ++index) {
            ReplaceAll(verdict.reason, seenPaths[index], m_document.inputs[index].path);
        }
        for (const EngineOutput& output : engineOutputs) {
            ReplaceAll(verdict.reason, output.path, target.string());
        }
        return Refuse(result, verdict.code, verdict.reason);
    }
    for (std::size_t index = 0; index < inputs.size(); ++index) {
        m_lastReader[m_document.inputs[index].layout] = inputs[index].format.format.name;
    }
    return Answer(result, Done);
}

GpsBabelHost::Verdict GpsBabelHost::Finish(const EngineOutcome& outcome, Plausibility positions,
                                           const FormatChoice& format,
                                           const std::filesystem::path& target,
                                           std::vector<PlannedOutput>& outputs) const {
    if (outcome.exitCode != 0) {
        const std::string message = EngineMessage(outcome.output);
        if (message.find(NoInputMessage) != std::string::npos) {
            std::vector<std::string> types;
            for (const DocumentInput& input : m_document.inputs) {
                types.push_back(input.type);
            }
            return {EngineFailed, NothingReadReason(types)};
        }
        return {EngineFailed, message.empty() ? "gpsbabel failed" : message};
    }
    // A reader given a file of another kind often "reads" noise without complaint.
    if (positions == Plausibility::Implausible) {
        return {NothingWritten, "the positions read are out of range or mostly zero: the file is "
                                "not one gpsbabel reads as its type says"};
    }
    const KindCounts read = CountsRead(outcome.output);
    const auto holdsData = [&](const PlannedOutput& output) {
        return output.kind ? read.Of(*output.kind) > 0
                           : std::ranges::any_of(AllDataKinds, [&](DataKind kind) {
                                 return read.Of(kind) > 0 && format.format.Writes(kind);
                             });
    };
    std::vector<PendingOutput*> landing;
    for (PlannedOutput& output : outputs) {
        if (!holdsData(output)) {
            continue;
        }
        if (!output.pending->HasContent()) {
            return {NothingWritten, "the output held no data"};
        }
        // The target's own name goes to the first kind with data, companions to the others.
        if (landing.empty()) {
            output.pending->Retarget(target.string());
        }
        landing.push_back(output.pending.get());
    }
    if (landing.empty()) {
        return {NothingWritten, "the source held no data that " + format.format.name + " can hold"};
    }
    std::vector<std::string> protectedPaths;
    for (const DocumentInput& input : m_document.inputs) {
        protectedPaths.push_back(input.path);
    }
    for (PendingOutput* output : landing) {
        if (!output->Commit(protectedPaths)) {
            return {NotMoved, "the output could not be moved into place"};
        }
    }
    return {};
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

std::vector<std::unique_ptr<HostLink>> CreateGpsBabelHosts(const GpsBabelConfig& config,
                                                           int count) {
    std::optional<LocatedEngine> engine = FindWorkingGpsBabel(config.timeLimit);
    if (!engine) {
        throw TolkError("No working gpsbabel was found on PATH");
    }
    std::map<std::string, std::string> choices;
    if (!config.workFolder.empty()) {
        choices = ReadHostFormats(config.workFolder + "/" + HostFormatsFileName);
    }
    TypeFormatMap formats(engine->formats, choices);
    for (const auto& [type, choice] : config.formatChoices) {
        formats.Choose(type, choice);
    }
    std::vector<std::unique_ptr<HostLink>> hosts;
    for (int host = 0; host < count; ++host) {
        hosts.push_back(std::make_unique<GpsBabelHost>(
            EngineRunner(engine->program, config.timeLimit), engine->version, formats, config));
    }
    return hosts;
}

std::unique_ptr<HostLink> CreateGpsBabelHost(const GpsBabelConfig& config) {
    return std::move(CreateGpsBabelHosts(config, 1).front());
}

} // namespace tolk
