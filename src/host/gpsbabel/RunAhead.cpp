#include "host/gpsbabel/RunAhead.h"

#include "host/engine/ConversionCommand.h"

namespace tolk {
namespace {

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
}

bool RunAhead::Covers(std::size_t step) const {
    return m_run && step >= m_first && step - m_first < m_setups.size() &&
           m_setups[step - m_first].has_value();
}

void RunAhead::Start(std::size_t first, std::vector<SaveSetup> setups,
                     const std::vector<std::string>& flags, const EngineRunner& runner,
                     std::optional<RunEcho> echo) {
    GiveUp();
    std::vector<std::vector<std::string>> files;
    for (SaveSetup& setup : setups) {
        files.push_back(ConversionSteps(setup.inputs, setup.engineOutputs, setup.probePath));
        m_setups.emplace_back(std::move(setup));
    }
    m_first = first;
    m_echo = std::move(echo);
    m_marks = RunMarks();
    m_run = std::make_unique<EngineStream>(
        runner, SharedRunArguments(flags, files, m_marks, m_echo), m_marks.Start());
}

RunAhead::FilePart RunAhead::Take(std::size_t step) {
    FilePart file;
    if (!Covers(step)) {
        return file;
    }
    const std::size_t position = step - m_first;
    file.setup = std::move(m_setups[position]);
    m_setups[position].reset();
    // The file's part runs from the mark of the file before it to its own, which the run prints
    // once the file's outputs are written.
    const bool passed = m_run->WaitForMarks(static_cast<int>(position + 1));
    const std::string& output = m_run->Output();
    const std::vector<std::size_t>& marks = m_run->MarkEnds();
    const bool reached = marks.size() >= position;
    const std::size_t from = position == 0 || !reached ? 0 : marks[position - 1];
    if (passed) {
        const std::size_t to = output.rfind(m_marks.Start(), marks[position] - 1);
        file.part = Part::Converted;
        file.outcome.output = output.substr(from, to - from);
        if (Remembered(position)) {
            GiveUp();
        }
        return file;
    }
    // A run that ended before the file began tells nothing of it.
    file.part = reached ? PartOf(m_run->Ending()) : Part::Failed;
    file.outcome.ending = m_run->Ending();
    file.outcome.output = output.substr(from);
    GiveUp();
    return file;
}

// A writer that remembers some kind of data from one file for the next shows it in the empty
// file it writes after the file: a file holding such data is the last of its run, and the files
// after it start a new one. Only a file that may hold such data has echoes around it.
bool RunAhead::Remembered(std::size_t position) const {
    return m_echo && m_echo->Around(position) && m_echo->Shows(position);
}

void RunAhead::GiveUp() {
    m_run.reset();
    m_setups.clear();
}

} // namespace tolk
