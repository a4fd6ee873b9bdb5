#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <vector>

namespace tolk {

/// How one run of the engine ended, with everything it printed.
struct EngineOutcome {
    enum class Ending { Finished, FailedToStart, Crashed, TimedOut, Stopped };

    Ending ending = Ending::Finished;
    int exitCode = 0;   ///< meaningful only when the run finished
    std::string output; ///< the engine's standard output and error, interleaved

    bool Succeeded() const { return ending == Ending::Finished && exitCode == 0; }
    /// A readable account of a run that did not finish by itself: what happened, then what the
    /// engine said. Empty for a finished run.
    std::string Failure(const std::string& program, std::chrono::milliseconds limit) const;
    /// The engine's message: its output without surrounding blank lines, at most its last lines.
    std::string Message() const;
};

/// Runs the engine program directly (never through a shell) with standard input at end of file,
/// and stops it when it runs past the time limit, so that a hung engine cannot hold the window,
/// or as soon as a stop is asked for.
class EngineRunner {
public:
    EngineRunner(std::string program, std::chrono::milliseconds limit);

    EngineOutcome Run(const std::vector<std::string>& arguments) const;
    /// Later runs end (Ending::Stopped) once the flag is set; it must outlive the runner.
    void StopWhen(const std::atomic<bool>& flag) { m_stopWhen = &flag; }

    const std::string& Program() const { return m_program; }
    std::chrono::milliseconds Limit() const { return m_limit; }

private:
    std::string m_program;
    std::chrono::milliseconds m_limit;
    const std::atomic<bool>* m_stopWhen = nullptr;
};

} // namespace tolk
