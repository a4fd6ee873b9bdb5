#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class QProcess;

namespace tolk {

/// How one run of the engine ended, with everything it printed.
struct EngineOutcome {
    /// OutOfMemory: the engine asked for more memory than its limit allows and gave up.
    enum class Ending { Finished, FailedToStart, Crashed, TimedOut, Stopped, OutOfMemory };

    Ending ending = Ending::Finished;
    int exitCode = 0;              ///< meaningful only when the run finished
    std::string output;            ///< the engine's standard output and error, interleaved
    std::size_t memoryLimitMb = 0; ///< the run's memory limit; 0 for none

    bool Succeeded() const { return ending == Ending::Finished && exitCode == 0; }
    /// A readable account of a run that did not finish by itself: what happened, then what the
    /// engine said. Empty for a finished run.
    std::string Failure(const std::string& program, std::chrono::milliseconds limit) const;
    /// The engine's message: its output without surrounding blank lines, at most its last lines.
    std::string Message() const;
};

/// The memory all engines running at once may take together: the smaller of 2048 MB and half
/// the machine's memory, so that a huge or hostile file cannot exhaust the machine.
std::size_t EngineMemoryBudgetMb();

/// Runs the engine program directly (never through a shell) with standard input at end of file,
/// and stops it when it runs past the time limit, so that a hung engine fails its file rather than
/// hold its job (and so the run) for ever, or as soon as a stop is asked for. The engine never
/// outlives the thread that started it (nor so the command): the kernel kills it when that thread
/// ends. With a memory limit the engine cannot take more address space than that; a run that needed
/// more ends as Ending::OutOfMemory.
class EngineRunner {
public:
    EngineRunner(std::string program, std::chrono::milliseconds limit,
                 std::size_t memoryLimitMb = 0);

    EngineOutcome Run(const std::vector<std::string>& arguments) const;
    /// Several runs going at once, each as Run makes it, their outcomes in the order of `runs`.
    /// Each has its time limit from when its wait begins: one waited for later may have sat
    /// meanwhile on output that nobody read, which is not being hung.
    std::vector<EngineOutcome> RunAtOnce(const std::vector<std::vector<std::string>>& runs) const;
    /// The same with the engine's clock stopped at 1970, so that what it writes of the present
    /// (a file's creation time) is the same from run to run.
    EngineOutcome RunWithFrozenClock(const std::vector<std::string>& arguments) const;
    /// Later runs end (Ending::Stopped) once the flag is set; it must outlive the runner.
    void StopWhen(const std::atomic<bool>& flag) { m_stopWhen = &flag; }

    const std::string& Program() const { return m_program; }
    std::chrono::milliseconds Limit() const { return m_limit; }
    std::size_t MemoryLimitMb() const { return m_memoryLimitMb; }
    const std::atomic<bool>* StopFlag() const { return m_stopWhen; }

private:
    EngineOutcome Run(const std::vector<std::string>& arguments, bool frozenClock) const;
    /// Starts the engine in the process; the outcome says FailedToStart when it could not be.
    EngineOutcome Start(QProcess& process, const std::vector<std::string>& arguments,
                        bool frozenClock) const;
    /// Waits for the started engine to end (see WaitForEnd) and completes its outcome.
    EngineOutcome Finish(QProcess& process, EngineOutcome outcome) const;

    std::string m_program;
    std::chrono::milliseconds m_limit;
    std::size_t m_memoryLimitMb;
    const std::atomic<bool>* m_stopWhen = nullptr;
};

/// One engine run whose output is read as it comes, for runs that convert many files one after
/// the other: the caller waits for each file's mark (a line the run prints once the file is
/// done) in turn. The time limit counts from the last mark, so each file has the limit of a run
/// of its own. The run is killed when the object goes, which must be on the thread that made it and
/// before that thread ends (as for any QObject; the kernel kills the run when the thread ends).
class EngineStream {
public:
    /// Starts the runner's engine; a line holding `mark` marks a step done.
    EngineStream(const EngineRunner& runner, const std::vector<std::string>& arguments,
                 std::string mark);
    ~EngineStream();
    EngineStream(const EngineStream&) = delete;
    EngineStream& operator=(const EngineStream&) = delete;

    /// Reads the output until `count` marks were printed, the run ended, its time since the last
    /// mark ran out or a stop was asked for; true when the marks were printed.
    bool WaitForMarks(int count);
    /// Where each mark's line ends in Output(), in order.
    const std::vector<std::size_t>& MarkEnds() const { return m_markEnds; }
    const std::string& Output() const { return m_output; }
    /// How the run ended; Finished while it goes on.
    EngineOutcome::Ending Ending() const { return m_ending; }
    bool Running() const;

private:
    void ReadOutput();
    void End(EngineOutcome::Ending ending);

    std::unique_ptr<QProcess> m_process;
    std::chrono::milliseconds m_limit;
    std::size_t m_memoryLimitMb;
    const std::atomic<bool>* m_stopWhen;
    std::string m_mark;
    std::string m_output;
    std::size_t m_scanned = 0;
    std::vector<std::size_t> m_markEnds;
    EngineOutcome::Ending m_ending = EngineOutcome::Ending::Finished;
};

} // namespace tolk
