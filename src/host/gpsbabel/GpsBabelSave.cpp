// The gpsbabel host's save: made ready, run alone or as its part of a run of many files, then
// judged and moved into place.
#include "core/TolkError.h"
#include "core/Translate.h"
#include "host/engine/EngineCounts.h"
#include "host/engine/HostCalls.h"
#include "host/engine/WholeFile.h"
#include "host/formats/HostReasons.h"
#include "host/formats/WaypointNames.h"
#include "host/gpsbabel/GpsBabelHost.h"
#include "host/landing/KeepCheck.h"
#include "host/reading/PositionCheck.h"

#include <algorithm>

namespace tolk {
namespace {

// The input/output error whose text is "Disk full".
constexpr int DiskFullError = 101;

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

} // namespace

HostStatus GpsBabelHost::Save(const std::string& path, std::int32_t& result) {
    std::string refusal;
    std::optional<SaveSetup> setup = SetUpSave(m_document, path, "probe.gpx", refusal);
    if (!setup) {
        return Refuse(result, Refused, refusal);
    }
    ChosenRun run = m_knowledge->readers.RunConversion(
        m_runner, setup->inputs, setup->engineOutputs, setup->document, setup->seenPaths,
        setup->probePath, setup->choosing, m_runSpareEngines);
    return Land(*setup, std::move(run), result);
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
    if (auto failed = WriteNumberedCompanions(job, probeGpx, setup.engineOutputs.front(),
                                              setup.target.string(), setup.seenFolder, m_scratch,
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
