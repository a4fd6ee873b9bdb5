#include "host/RunAhead.h"

#include "host/ConversionCommand.h"

#include <algorithm>

namespace tolk {
namespace {

// The validate filter's report begins and ends with these lines.
const char* const ReportStart = "\nProcessing waypts";
const char* const ReportEnd = "total track point ct:";

// What follows each file in the run: its data emptied, then the filter's report of nothing,
// which marks the file done.
const std::vector<std::string> Between{"-x", "nuketypes,waypoints,tracks,routes", "-x",
                                       "validate,debug"};

bool SameDocument(const HostDocument& a, const HostDocument& b) {
    return a.datum == b.datum && a.gridKeyword == b.gridKeyword &&
           std::ranges::equal(a.inputs, b.inputs, {}, &DocumentInput::path, &DocumentInput::path);
}

RunAhead::Part PartOf(EngineOutcome::Ending ending) {
    switch (ending) {
    case EngineOutcome::Ending::TimedOut:
        return RunAhead::Part::TimedOut;
    case EngineOutcome::Ending::Stopped:
        return RunAhead::Part::Stopped;
    default:
        return RunAhead::Part::Failed;
    }
}

} // namespace

void RunAhead::Expect(std::vector<std::optional<Step>> steps) {
    GiveUp();
    m_steps = std::move(steps);
    m_next = 0;
}

std::optional<std::size_t> RunAhead::Find(const HostDocument& document,
                                          const std::string& target) const {
    for (std::size_t step = m_next; step < m_steps.size(); ++step) {
        if (m_steps[step] && m_steps[step]->target == target &&
            SameDocument(m_steps[step]->document, document)) {
            return step;
        }
    }
    return std::nullopt;
}

bool RunAhead::Covers(std::size_t step) const {
    return m_run && step >= m_first && step - m_first < m_setups.size() &&
           m_setups[step - m_first].has_value();
}

void RunAhead::Start(std::size_t first, std::vector<SaveSetup> setups,
                     const std::vector<std::string>& flags, const EngineRunner& runner) {
    GiveUp();
    std::vector<std::string> arguments{"-p", ""};
    arguments.insert(arguments.end(), flags.begin(), flags.end());
    for (SaveSetup& setup : setups) {
        const std::vector<std::string> steps =
            ConversionSteps(setup.inputs, setup.engineOutputs, setup.probePath);
        arguments.insert(arguments.end(), steps.begin(), steps.end());
        arguments.insert(arguments.end(), Between.begin(), Between.end());
        m_setups.emplace_back(std::move(setup));
    }
    m_first = first;
    m_run = std::make_unique<EngineStream>(runner, arguments, ReportEnd);
}

RunAhead::FilePart RunAhead::Take(std::size_t step) {
    FilePart file;
    m_next = std::max(m_next, step + 1);
    if (!Covers(step)) {
        return file;
    }
    const std::size_t position = step - m_first;
    file.setup = std::move(m_setups[position]);
    m_setups[position].reset();
    // Each file prints its own report, then the report of nothing that marks it done.
    const bool passed = m_run->WaitForMarks(static_cast<int>(2 * position + 2));
    const std::string& output = m_run->Output();
    const std::vector<std::size_t>& marks = m_run->MarkEnds();
    const bool reached = position == 0 || marks.size() >= 2 * position;
    const std::size_t from =
        position == 0 || marks.empty() ? 0 : marks[std::min(2 * position, marks.size()) - 1];
    if (passed) {
        // The report of nothing begins before the end of its last line (and the next report
        // may begin right at that end).
        const std::size_t to = output.rfind(ReportStart, marks[2 * position + 1] - 1);
        file.part = Part::Converted;
        file.outcome.output = output.substr(from, to - from);
        return file;
    }
    // A run that ended before the file began tells nothing of it.
    file.part = reached ? PartOf(m_run->Ending()) : Part::Failed;
    file.outcome.ending = m_run->Ending();
    file.outcome.output = output.substr(from);
    GiveUp();
    return file;
}

void RunAhead::GiveUp() {
    m_run.reset();
    m_setups.clear();
}

} // namespace tolk
