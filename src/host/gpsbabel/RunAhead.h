#pragma once

#include "host/engine/EngineRunner.h"
#include "host/engine/RunMarks.h"
#include "host/landing/SaveSetup.h"
#include "host/reading/HostDocument.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// The files of a run (HostLink::ConvertFiles), and one engine run that converts a stretch of
/// them one after the other while the host lands them in turn: each file is
/// read, checked and written to its own private outputs exactly as in a run of its own, then the
/// run's data is emptied and a mark no file can forge printed before the next file (RunMarks).
/// Starting an engine costs far more than converting a small file, so this is what makes many small
/// files quick.
///
/// A file's save takes its part of the run once the run has passed it (Take). The run is given up
/// when it ends early, hangs or is stopped; the files after that are left to a later run.
class RunAhead {
public:
    /// A file as its calls would make it: the document and the target.
    struct Step {
        HostDocument document;
        std::string target;
    };

    /// How the run came out for one file.
    enum class Part {
        Converted, ///< the run passed it: its setup and its part of the output are there
        NotInRun,  ///< the file is not in the run (any more)
        Failed,    ///< the run ended while on it: by itself, crashed, or could not be started
        TimedOut,  ///< the run was ended for taking too long over it
        Stopped,   ///< the run was ended at the user's request while on it
    };

    /// What the run did for one file.
    struct FilePart {
        Part part = Part::NotInRun;
        std::optional<SaveSetup> setup;
        /// Its part of the engine's output, as a finished run of its own would give it.
        EngineOutcome outcome;
    };

    /// Takes the place of the steps before, in the run's order; steps that cannot be made are
    /// left out as none.
    void Expect(std::vector<std::optional<Step>> steps);
    const std::optional<Step>& StepAt(std::size_t step) const { return m_steps[step]; }
    std::size_t Steps() const { return m_steps.size(); }
    /// The run covers the step.
    bool Covers(std::size_t step) const;
    /// Starts a run over the setups of the steps from `first` on; their engine arguments after
    /// the kind flags they share; with the echo for a target writer that remembers.
    void Start(std::size_t first, std::vector<SaveSetup> setups,
               const std::vector<std::string>& flags, const EngineRunner& runner,
               std::optional<RunEcho> echo);
    /// Waits for the run to pass the step and hands over its part; the steps before it are done
    /// with, and a run that did not pass it, or whose writer remembers something of it, is given
    /// up.
    FilePart Take(std::size_t step);
    /// Gives the run up: the files it has not handed over are converted alone, if at all.
    void GiveUp();

private:
    bool Remembered(std::size_t position) const;

    std::vector<std::optional<Step>> m_steps;
    std::unique_ptr<EngineStream> m_run;
    /// The steps the run covers begin here; their setups, in order.
    std::size_t m_first = 0;
    std::vector<std::optional<SaveSetup>> m_setups;
    RunMarks m_marks;
    std::optional<RunEcho> m_echo;
};

} // namespace tolk
