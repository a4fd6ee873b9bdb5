// The gpsbabel host's save: made ready, run alone or among the other files of its run, then
// judged and moved into place.
#include "core/TolkError.h"
#include "core/Translate.h"
#include "host/engine/EngineCounts.h"
#include "host/engine/HostCalls.h"
#include "host/engine/WholeFile.h"
#include "host/formats/HostReasons.h"
#include "host/formats/LeadingShape.h"
#include "host/formats/WaypointNames.h"
#include "host/gpsbabel/GpsBabelHost.h"
#include "host/landing/KeepCheck.h"
#include "host/reading/PositionCheck.h"
#include "host/reading/SharedRuns.h"

#include <algorithm>
#include <functional>

namespace tolk {
namespace {

// The input/output error whose text is "Disk full".
constexpr int DiskFullError = 101;

// How many files a job gives the host at once: enough that starting the engine costs little beside
// converting them, few enough that a stop or a failure leaves little to do again.
constexpr int FilesPerRun = 200;

// What a file of records of the kind holds, in words for the user.
std::string Holding(RecordKind kind) {
    switch (kind) {
    case RecordKind::Nmea:
        return Tr("Host", "NMEA sentences");
    case RecordKind::Sentences:
        return Tr("Host", "sentences of one maker's device");
    case RecordKind::Igc:
        return Tr("Host", "flight recorder (IGC) records");
    case RecordKind::HeadedCsv:
        return Tr("Host", "values under a header row");
    case RecordKind::None:
        break;
    }
    return {};
}

// How a file was read where not as its type says, for the reason of a successful save.
std::string ReadNote(const DocumentInput& input, const std::string& reader) {
    if (!input.readNote.empty()) {
        return input.readNote;
    }
    if (std::ranges::find(input.namedByContent, reader) != input.namedByContent.end()) {
        return Tr("Host", "read as %1: the file holds %2", {reader, Holding(input.shape.kind)});
    }
    const auto lastResort = [&](const FormatChoice& tried) { return tried.format.name == reader; };
    if (std::ranges::any_of(input.lastResort, lastResort)) {
        return Tr("Host", "read as %1, the one of gpsbabel's other readers that read it whole",
                  {reader});
    }
    return {};
}

// Below this much room on the target's file system, a full disk during a run is plausible.
constexpr std::uintmax_t TightRoom = 64 * 1024 * 1024;
// A write that failed for want of room leaves less than a few blocks free.
constexpr std::uintmax_t FullBelowBytes = 16 * 1024;

// Whether the outputs may have been cut short by a full disk. The engine does not report a write
// that failed for want of room: it ends successfully with its output cut short, even in the
// middle when room came back before its next write. The room left when it ends proves little,
// as other jobs and programs may have freed some meanwhile (a job whose output was cut removes
// it). So wherever the room left is tight, below TightRoom or below twice what the outputs hold,
// the engine reads them back (ReadsBackWhole) before anything is replaced: that costs an engine
// run, spent only there. A program that frees more than that within one run could still hide a
// cut; and for a format the engine cannot read, only a disk still full when the run ends tells.
bool MayBeCut(const KeepJob& job, const std::vector<PlannedOutput>& outputs) {
    std::uintmax_t written = 0;
    for (const PlannedOutput& output : outputs) {
        written += output.pending->WrittenBytes();
    }
    const std::optional<std::uintmax_t> room = outputs.front().pending->Room();
    if (room && *room >= std::max(TightRoom, 2 * written)) {
        return false;
    }
    if (!job.format.format.ReadsAny()) {
        return room && *room < FullBelowBytes;
    }
    return !ReadsBackWhole(job, outputs);
}

std::string ReadNotes(const std::vector<DocumentInput>& document,
                      const std::vector<EngineInput>& inputs) {
    std::string notes;
    for (std::size_t index = 0; index < document.size(); ++index) {
        const std::string note = ReadNote(document[index], inputs[index].format.format.name);
        if (!note.empty()) {
            notes += (notes.empty() ? "" : "; ") + note;
        }
    }
    return notes;
}

// A reader that misbehaved in a run shared with other files is not trusted with one again.
void Doubt(SharedRunDoubts& doubts, const SaveSetup& setup) {
    for (const EngineInput& input : setup.inputs) {
        doubts.Doubt(FormatArgument(input.format));
    }
}

} // namespace

int GpsBabelHost::FilesAhead() const {
    return FilesPerRun;
}

void GpsBabelHost::ConvertFiles(std::span<const FileConversion> files, const HostRun& run,
                                FileGate& gate) {
    // The run's files, target type and end of engine runs hold for its length only, however it
    // ends: calls made one by one between runs know none of them.
    struct RunScope {
        GpsBabelHost& host;
        ~RunScope() {
            host.m_ahead.Expect({});
            host.m_stopAsked = false;
            host.m_runTargetType.clear();
        }
    } const scope{*this};
    m_runTargetType = run.targetType;
    const std::stop_callback endRuns(run.endRuns, [this] { m_stopAsked = true; });
    std::vector<std::optional<RunAhead::Step>> steps;
    for (const FileConversion& file : files) {
        steps.push_back(StepFor(file));
    }
    m_ahead.Expect(std::move(steps));
    for (std::size_t file = 0; file < files.size() && gate.MayLand(file); ++file) {
        gate.Finished(file, ConvertAhead(file, files[file]));
    }
}

// The file's part of the run among the run's files, as its calls would have come out; its calls
// where it is to be converted alone.
FileResult GpsBabelHost::ConvertAhead(std::size_t step, const FileConversion& file) {
    std::optional<CallResult> save = m_ahead.StepAt(step) ? SaveAhead(step) : std::nullopt;
    if (!save) {
        return ConvertByCalls(file);
    }
    const CallResult done;
    FileResult result;
    result.open = done;
    result.merge = file.merge.empty() ? std::nullopt : std::optional(done);
    result.grid = file.grid.empty() ? std::nullopt : std::optional(done);
    result.datum = file.datum.empty() ? std::nullopt : std::optional(done);
    result.close = save->status.Failed() ? std::nullopt : std::optional(done);
    result.save = std::move(save);
    return result;
}

// The document the file's calls will make, as OpenFile, MergeFile, ChangeGrid and ChangeDatum
// make it; none when one of them would be refused.
std::optional<RunAhead::Step> GpsBabelHost::StepFor(const FileConversion& file) const {
    RunAhead::Step step{{true, {}, {}, {}}, file.target};
    std::string reason;
    for (const std::string& path : {file.source, file.merge}) {
        std::optional<DocumentInput> input =
            path.empty() ? std::nullopt : ReadableInput(path, reason);
        if (!input && !path.empty()) {
            return std::nullopt;
        }
        if (input) {
            step.document.inputs.push_back(std::move(*input));
        }
    }
    const CarryRules carry = Carry();
    if (!file.datum.empty()) {
        const std::optional<std::string> datum = carry.OfferedDatum(file.datum);
        if (!datum || carry.TargetRefusal(m_runTargetType, *datum, "")) {
            return std::nullopt;
        }
        step.document.datum = *datum;
    }
    if (!file.grid.empty()) {
        const std::optional<std::string> keyword = carry.GridKeyword(file.grid);
        if (!keyword || carry.TargetRefusal(m_runTargetType, "", *keyword)) {
            return std::nullopt;
        }
        step.document.gridKeyword = *keyword;
    }
    return step;
}

HostStatus GpsBabelHost::Save(const std::string& path, std::int32_t& result) {
    std::string refusal;
    std::optional<SaveSetup> setup = SetUpSave(m_document, path, "probe.gpx", refusal);
    if (!setup) {
        return Refuse(result, Refused, refusal);
    }
    ChosenRun run = m_knowledge->readers.RunConversion(
        m_runner, setup->inputs, setup->engineOutputs, setup->document, setup->seenPaths,
        setup->probePath, setup->choosing);
    return Land(*setup, std::move(run), result);
}

// The file's part of an engine run shared with the run's files after it; none where it is to be
// converted alone: it is not in such a run, the run ended on it (its own run says why), or its
// reader is to be chosen (and the files after it then go on in a run that knows the choice).
std::optional<CallResult> GpsBabelHost::SaveAhead(std::size_t step) {
    if (!m_ahead.Covers(step) && !StartAhead(step)) {
        return std::nullopt;
    }
    CallResult result;
    RunAhead::FilePart file = m_ahead.Take(step);
    switch (file.part) {
    case RunAhead::Part::NotInRun:
        return std::nullopt;
    case RunAhead::Part::Failed:
        if (file.outcome.ending == EngineOutcome::Ending::Crashed) {
            Doubt(m_knowledge->doubts, *file.setup);
        }
        return std::nullopt;
    case RunAhead::Part::TimedOut:
    case RunAhead::Part::Stopped:
        file.outcome.output = WithoutCountReport(file.outcome.output);
        result.status = Refuse(result.code, EngineFailed,
                               UsersReason(file.outcome, file.setup ? &*file.setup : nullptr));
        return result;
    case RunAhead::Part::Converted:
        break;
    }
    SaveSetup& setup = *file.setup;
    if (setup.choosing &&
        !ReaderChoice::Believable(ReadWholeFile(setup.probePath), setup.document)) {
        Doubt(m_knowledge->doubts, setup);
        m_ahead.GiveUp();
        return std::nullopt;
    }
    result.status =
        Land(setup, ChosenRun{std::move(file.outcome), std::nullopt, false}, result.code);
    return result;
}

// Starts an engine run over the run's files from the step on, as far as they can share one; false
// when not even two can, and the step is then converted alone.
bool GpsBabelHost::StartAhead(std::size_t first) {
    std::vector<SaveSetup> setups;
    std::vector<std::string> flags;
    for (std::size_t step = first; step < m_ahead.Steps() && m_ahead.StepAt(step); ++step) {
        std::string refusal;
        const RunAhead::Step& given = *m_ahead.StepAt(step);
        std::optional<SaveSetup> setup =
            SetUpSave(given.document, given.target,
                      "ahead" + std::to_string(setups.size()) + ".gpx", refusal);
        if (!setup || !SharesRuns(*setup)) {
            break;
        }
        std::vector<std::string> fileFlags = ConversionFlags(setup->inputs);
        if (!setups.empty() && (fileFlags != flags || FormatArgument(setup->format) !=
                                                          FormatArgument(setups.front().format))) {
            break;
        }
        flags = std::move(fileFlags);
        setups.push_back(std::move(*setup));
    }
    if (setups.size() < 2) {
        return false;
    }
    std::optional<RunEcho> echo;
    if (MemoryOf(m_knowledge->learned, m_knowledge->engine, setups.front().format, m_runner) ==
        WriterMemory::Shows) {
        echo = EchoFor(setups);
        if (echo && echo->output.path.empty()) {
            return false;
        }
    }
    m_ahead.Start(first, std::move(setups), flags, m_runner, std::move(echo));
    return true;
}

// The empty files a writer that shows what it remembers writes in a run: around each file that
// may hold data it remembers. None when no file may: writing them costs the engine nearly as much
// as converting a small file.
std::optional<RunEcho> GpsBabelHost::EchoFor(const std::vector<SaveSetup>& setups) {
    RunEcho echo{setups.front().engineOutputs.front(), {}};
    for (const SaveSetup& setup : setups) {
        echo.aroundFile.push_back(std::ranges::any_of(setup.inputs, [](const EngineInput& input) {
            return MayHoldRememberedData(input.format, input.path);
        }));
    }
    if (std::ranges::none_of(echo.aroundFile, std::identity())) {
        return std::nullopt;
    }
    echo.output.path = m_scratch.Scratch("echo");
    return echo;
}

// A file may share a run when it writes one file, its readers are settled (a reader still to be
// chosen for its layout would most likely be wrong for the files after it too), none of them
// misbehaved in a shared run, and each is proven to read files of its sort for the target's
// writer as a run of its own does (ReaderShares).
bool GpsBabelHost::SharesRuns(const SaveSetup& setup) {
    if (setup.outputs.size() != 1 || setup.outputs.front().kind) {
        return false;
    }
    for (std::size_t input = 0; input < setup.document.size(); ++input) {
        const DocumentInput& document = setup.document[input];
        const FormatChoice& reader = setup.inputs[input].format;
        if (!m_knowledge->readers.Settled(document) ||
            m_knowledge->doubts.Doubted(FormatArgument(reader)) ||
            !ReaderShares(m_knowledge->learned, m_knowledge->engine, reader, setup.format,
                          SortOfFile(LeadingBytes(document.path)), m_runner)) {
            return false;
        }
    }
    return true;
}

std::optional<std::string>
GpsBabelHost::SaveRefusal(const HostDocument& document, const std::filesystem::path& target,
                          const std::string& type,
                          const std::optional<FormatChoice>& format) const {
    if (!format || !format->format.WritesAny()) {
        return NoWriterReason(type);
    }
    const std::vector<std::string> carry =
        Carry().CarryRefusals(type, format->format, document.datum, document.gridKeyword);
    if (!carry.empty()) {
        return carry.front();
    }
    const auto isTarget = [&](const DocumentInput& input) { return SameFile(input.path, target); };
    if (std::ranges::any_of(document.inputs, isTarget)) {
        return Tr("Host", "the target is one of the files read");
    }
    return std::nullopt;
}

std::optional<SaveSetup> GpsBabelHost::SetUpSave(const HostDocument& document,
                                                 const std::string& path,
                                                 const std::string& probeName,
                                                 std::string& refusal) {
    SaveSetup setup;
    std::error_code error;
    setup.target = std::filesystem::absolute(path, error);
    const std::string type = TypeOf(setup.target);
    const std::optional<FormatChoice> format = m_formats.ForType(type);
    const auto refused =
        error ? std::optional<std::string>(Tr("Host", "the target path cannot be used"))
              : SaveRefusal(document, setup.target, type, format);
    if (refused) {
        refusal = *refused;
        return std::nullopt;
    }
    setup.format = *format;
    setup.document = document.inputs;
    setup.seenFolder = setup.view->Folder(setup.target.parent_path());
    setup.outputs = PlanOutputs(document.inputs, setup.target, setup.seenFolder, *format,
                                m_knowledge->learned, m_runner);
    const auto notReady = [](const PlannedOutput& output) { return !output.pending->Ready(); };
    if (setup.seenFolder.empty() || std::ranges::any_of(setup.outputs, notReady)) {
        refusal = Tr("Host", "the target folder cannot be written");
        return std::nullopt;
    }
    for (const DocumentInput& input : document.inputs) {
        setup.seenPaths.push_back(setup.view->Source(input.path));
        setup.inputs.push_back({setup.seenPaths.back(),
                                m_knowledge->readers.ReadersInTurn(input).front(),
                                KindNamedIn(input.path)});
    }
    if (std::ranges::any_of(setup.seenPaths, &std::string::empty)) {
        refusal = Tr("Host", "the files to read cannot be reached");
        return std::nullopt;
    }
    setup.engineOutputs =
        EngineOutputs(setup.outputs, *format, document.datum, document.gridKeyword);
    setup.choosing = std::ranges::any_of(
        document.inputs, [](const DocumentInput& input) { return input.readers.size() > 1; });
    if (NeedsProbe(setup)) {
        setup.probePath = m_scratch.Scratch(probeName);
        if (setup.probePath.empty()) {
            refusal = Tr("Host", "the host's temporary folder cannot be written");
            return std::nullopt;
        }
    }
    return setup;
}

// The GPX of what was read tells a right reader from a wrong one, shows waypoints of one name
// and holds the lines a format that keeps one per file needs written to companions. A file whose
// content confirms its one reader, for a format that needs neither, does without: on a large
// file it would cost the engine much of its time again.
bool GpsBabelHost::NeedsProbe(const SaveSetup& setup) {
    if (setup.choosing || !std::ranges::all_of(setup.document, &DocumentInput::readerConfirmed)) {
        return true;
    }
    LearnedFormats& learned = m_knowledge->learned;
    const EngineFormat& format = setup.format.format;
    return (format.Writes(DataKind::Waypoints) &&
            learned.KeepsOneWaypointPerName(format, m_runner)) ||
           std::ranges::any_of(
               std::initializer_list<DataKind>{DataKind::Tracks, DataKind::Routes},
               [&](DataKind kind) { return learned.KeepsFirstOnly(format, kind, m_runner); });
}

// Why the run did not end by itself, the files named as the user knows them.
std::string GpsBabelHost::UsersReason(const EngineOutcome& outcome, const SaveSetup* setup) const {
    std::string reason = outcome.Failure(EngineName, m_runner.Limit());
    if (setup != nullptr) {
        InUsersPaths(reason, setup->seenPaths, setup->document, setup->engineOutputs,
                     setup->target);
    }
    return reason;
}

// Judges the save's run and moves what it wrote into place.
HostStatus GpsBabelHost::Land(SaveSetup& setup, ChosenRun run, std::int32_t& result) {
    if (run.noReader) {
        InUsersPaths(*run.noReader, setup.seenPaths, setup.document, setup.engineOutputs,
                     setup.target);
        return Refuse(result, run.noneRead ? EngineFailed : NothingWritten, *run.noReader);
    }
    EngineOutcome& outcome = run.outcome;
    if (outcome.ending != EngineOutcome::Ending::Finished) {
        outcome.output = WithoutCountReport(outcome.output);
        const std::string failure = UsersReason(outcome, &setup);
        if (outcome.ending == EngineOutcome::Ending::FailedToStart) {
            return {FailedCallStatus, failure};
        }
        return Refuse(result, EngineFailed, failure);
    }
    const std::string read = setup.probePath.empty() ? "" : ReadWholeFile(setup.probePath);
    const FormatChoice& format = setup.format;
    const ReadCheck check{
        setup.probePath.empty() ? Plausibility::Plausible : CheckPositions(read),
        std::ranges::all_of(setup.document, &DocumentInput::readerNamed),
        format.format.Writes(DataKind::Waypoints) && WaypointNamesRepeat(read) &&
            m_knowledge->learned.KeepsOneWaypointPerName(format.format, m_runner)};
    SaveVerdict verdict = JudgeRun(outcome, check, format, setup.document);
    std::string notKept;
    if (verdict.code == Done) {
        verdict = KeepAndLand(read, CountsRead(outcome.output), setup, notKept);
    }
    if (verdict.diskFull) {
        return {FailedCallStatus, Tr("Host", "Unable to write to %1", {setup.target.string()}) +
                                      ": " + IoErrorText(DiskFullError)};
    }
    if (verdict.code != Done) {
        InUsersPaths(verdict.reason, setup.seenPaths, setup.document, setup.engineOutputs,
                     setup.target);
        return Refuse(result, verdict.code, verdict.reason);
    }
    m_knowledge->readers.Remember(setup.document, setup.inputs);
    HostStatus status = Answer(result, Done);
    status.reason = ReadNotes(setup.document, setup.inputs);
    status.notKept = std::move(notKept);
    return status;
}

// Writes what the target's format keeps of one line per file to numbered companions, finds what
// is not kept at all (notKept, once landed), and moves the outputs into place.
SaveVerdict GpsBabelHost::KeepAndLand(const std::string& probeGpx, const KindCounts& read,
                                      SaveSetup& setup, std::string& notKept) {
    const KeepJob job{m_runner, m_knowledge->learned, setup.format, read};
    const std::string scratch = m_scratch.Scratch("line.gpx");
    if (auto failed = WriteNumberedCompanions(job, probeGpx, setup.engineOutputs.front(),
                                              setup.target.string(), setup.seenFolder, scratch,
                                              setup.outputs)) {
        return {NothingWritten, *failed};
    }
    if (MayBeCut(job, setup.outputs)) {
        return {NothingWritten, {}, true};
    }
    std::string lost = NotKept(job, setup.outputs);
    if (!lost.empty() && m_config.keepAllOrFail) {
        return {NotAllKept, lost};
    }
    SaveVerdict verdict =
        LandOutputs(read, setup.format, setup.target, setup.document, setup.outputs);
    if (verdict.code == Done) {
        notKept = std::move(lost);
    }
    return verdict;
}

} // namespace tolk
