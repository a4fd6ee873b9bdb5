// The gpsbabel host's runs of many files: each file's part of one engine run that converts the
// run's files one after the other, or its own calls where it cannot share one.
#include "host/engine/WholeFile.h"
#include "host/formats/LeadingShape.h"
#include "host/gpsbabel/GpsBabelHost.h"
#include "host/reading/SharedRuns.h"

#include <algorithm>

namespace tolk {
namespace {

// How many files a job gives the host at once: enough that starting the engine costs little beside
// converting them, few enough that a stop or a failure leaves little to do again.
constexpr int FilesPerRun = 200;

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
    // The run's files, target type, spare engines and end of engine runs hold for its length only,
    // however it ends: calls made one by one between runs know none of them.
    struct RunScope {
        GpsBabelHost& host;
        ~RunScope() {
            host.m_ahead.Expect({});
            host.m_stopAsked = false;
            host.m_runTargetType.clear();
            host.m_runSpareEngines = nullptr;
        }
    } const scope{*this};
    m_runTargetType = run.targetType;
    m_runSpareEngines = run.spareEngines;
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
    // A lone file shares nothing: its setup would be made here only to be made again.
    if (first + 1 >= m_ahead.Steps() || !m_ahead.StepAt(first + 1)) {
        return false;
    }
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

} // namespace tolk
