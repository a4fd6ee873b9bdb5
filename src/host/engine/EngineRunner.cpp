#include "host/engine/EngineRunner.h"

#include "core/Translate.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <algorithm>
#include <csignal>
#include <deque>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace tolk {
namespace {

// Enough of a long warning list to show what went wrong without filling the screen.
constexpr int MessageLines = 20;

// How often a run looks whether it was asked to stop: a stop is felt within this time.
constexpr std::chrono::milliseconds StopCheck(50);

std::string TrimmedLines(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    std::string trimmed = text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
    std::size_t start = trimmed.size();
    for (int line = 0; line < MessageLines && start != std::string::npos; ++line) {
        start = start == 0 ? std::string::npos : trimmed.rfind('\n', start - 1);
    }
    return start == std::string::npos ? trimmed : trimmed.substr(start + 1);
}

QStringList ToQt(const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments) {
        list << QString::fromStdString(argument);
    }
    return list;
}

// In the engine's process, before the engine begins: the kernel kills it as soon as the thread
// that started it ends, which a killed command's threads all do, so that no engine outlives its
// command. The thread is what counts, not the process: every engine here is started, waited for
// and ended on one thread within one call (Run, RunAtOnce) or one object's life (EngineStream), so
// a thread never ends while its engine is wanted. A command killed before the signal was armed has
// already handed the engine to another parent: then the engine does not begin at all.
void DieWithTheCommand(pid_t command) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != command) {
        _exit(127);
    }
}

// In the engine's process too: its allocations fail beyond the limit, so that it ends with
// "std::bad_alloc" (or its own words for it) instead of taking the machine's memory.
void LimitMemory(std::size_t megabytes) {
    if (megabytes == 0) {
        return;
    }
    const rlim_t bytes = static_cast<rlim_t>(megabytes) * 1024 * 1024;
    const rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_AS, &limit);
}

void StartEngine(QProcess& process, const std::string& program,
                 const std::vector<std::string>& arguments, std::size_t memoryLimitMb,
                 bool frozenClock = false) {
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    // The engine reads file names from its arguments in the locale's encoding and words its
    // messages in the locale's language: UTF-8 and plain English, whatever the user's setting.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    if (frozenClock) {
        environment.insert(QStringLiteral("GPSBABEL_FREEZE_TIME"), QStringLiteral("1"));
    }
    process.setProcessEnvironment(environment);
    // QProcess takes one modifier: both limits are set in it, before the engine begins.
    process.setChildProcessModifier([command = getpid(), memoryLimitMb] {
        LimitMemory(memoryLimitMb);
        DieWithTheCommand(command);
    });
    process.start(QString::fromStdString(program), ToQt(arguments));
}

bool RanOutOfMemory(const std::string& output) {
    return output.find("bad_alloc") != std::string::npos ||
           output.find("nable to allocate") != std::string::npos ||
           output.find("ut of memory") != std::string::npos;
}

// How a process that ended by itself ended; `output` is what it printed, `memoryLimitMb` its
// memory limit (0 for none).
EngineOutcome::Ending EndingOf(const QProcess& process, const std::string& output,
                               std::size_t memoryLimitMb) {
    const bool failed = process.exitStatus() == QProcess::CrashExit || process.exitCode() != 0;
    if (memoryLimitMb != 0 && failed && RanOutOfMemory(output)) {
        return EngineOutcome::Ending::OutOfMemory;
    }
    if (process.exitStatus() != QProcess::CrashExit) {
        return EngineOutcome::Ending::Finished;
    }
    // Killed from outside on purpose (Ctrl-C at the terminal reaches the whole process group):
    // that is a stop, not a fault of the engine's. After a crash the exit code is the signal.
    const int signal = process.exitCode();
    return signal == SIGINT || signal == SIGTERM ? EngineOutcome::Ending::Stopped
                                                 : EngineOutcome::Ending::Crashed;
}

// Waits for the engine to end, in steps when a stop may be asked for, and kills it past the
// time limit or once the stop is asked for.
bool WaitForEnd(QProcess& process, std::chrono::milliseconds limit,
                const std::atomic<bool>* stopWhen, EngineOutcome::Ending& ending) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + limit;
    while (process.state() != QProcess::NotRunning) {
        const bool stopAsked = stopWhen != nullptr && stopWhen->load();
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (stopAsked || left.count() <= 0) {
            process.kill();
            process.waitForFinished();
            ending = stopAsked ? EngineOutcome::Ending::Stopped : EngineOutcome::Ending::TimedOut;
            return false;
        }
        const auto step = stopWhen != nullptr ? std::min(left, StopCheck) : left;
        process.waitForFinished(static_cast<int>(std::min<long long>(step.count(), INT32_MAX)));
    }
    return true;
}

} // namespace

std::string EngineOutcome::Message() const {
    return TrimmedLines(output);
}

std::string EngineOutcome::Failure(const std::string& program,
                                   std::chrono::milliseconds limit) const {
    std::string what;
    switch (ending) {
    case Ending::Finished:
        return {};
    case Ending::FailedToStart:
        what = Tr("Host", "%1 could not be started", {program});
        break;
    case Ending::Crashed:
        what = Tr("Host", "%1 stopped unexpectedly", {program});
        break;
    case Ending::TimedOut:
        what =
            Tr("Host", "%1 did not finish within %2 seconds and was stopped",
               {program, std::to_string(std::chrono::ceil<std::chrono::seconds>(limit).count())});
        break;
    case Ending::Stopped:
        // Asked for by the user: what the engine said of being killed is beside the point.
        return Tr("Host", "stopped");
    case Ending::OutOfMemory:
        return Tr("Host", "%1 needed more than %2 MB of memory",
                  {program, std::to_string(memoryLimitMb)});
    }
    const std::string message = Message();
    return message.empty() ? what : what + ": " + message;
}

std::size_t EngineMemoryBudgetMb() {
    constexpr std::size_t MostMb = 2048;
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0) {
        return MostMb;
    }
    const std::size_t machineMb =
        static_cast<std::size_t>(pages) / 1024 * static_cast<std::size_t>(pageSize) / 1024;
    return std::min(MostMb, machineMb / 2);
}

EngineRunner::EngineRunner(std::string program, std::chrono::milliseconds limit,
                           std::size_t memoryLimitMb)
    : m_program(std::move(program)), m_limit(limit), m_memoryLimitMb(memoryLimitMb) {}

EngineOutcome EngineRunner::Run(const std::vector<std::string>& arguments) const {
    return Run(arguments, false);
}

EngineOutcome EngineRunner::RunWithFrozenClock(const std::vector<std::string>& arguments) const {
    return Run(arguments, true);
}

EngineOutcome EngineRunner::Run(const std::vector<std::string>& arguments, bool frozenClock) const {
    QProcess process;
    return Finish(process, Start(process, arguments, frozenClock));
}

std::vector<EngineOutcome>
EngineRunner::RunAtOnce(const std::vector<std::vector<std::string>>& runs) const {
    std::deque<QProcess> processes;
    std::vector<EngineOutcome> outcomes;
    for (const std::vector<std::string>& arguments : runs) {
        outcomes.push_back(Start(processes.emplace_back(), arguments, false));
    }
    for (std::size_t run = 0; run < runs.size(); ++run) {
        outcomes[run] = Finish(processes[run], std::move(outcomes[run]));
    }
    return outcomes;
}

EngineOutcome EngineRunner::Start(QProcess& process, const std::vector<std::string>& arguments,
                                  bool frozenClock) const {
    StartEngine(process, m_program, arguments, m_memoryLimitMb, frozenClock);
    EngineOutcome outcome;
    outcome.memoryLimitMb = m_memoryLimitMb;
    if (!process.waitForStarted()) {
        outcome.ending = EngineOutcome::Ending::FailedToStart;
        outcome.output = process.errorString().toStdString();
    }
    return outcome;
}

EngineOutcome EngineRunner::Finish(QProcess& process, EngineOutcome outcome) const {
    if (outcome.ending == EngineOutcome::Ending::FailedToStart) {
        return outcome;
    }
    const bool ended = WaitForEnd(process, m_limit, m_stopWhen, outcome.ending);
    outcome.exitCode = process.exitCode();
    outcome.output += process.readAll().toStdString();
    if (ended) {
        outcome.ending = EndingOf(process, outcome.output, m_memoryLimitMb);
    }
    return outcome;
}

EngineStream::EngineStream(const EngineRunner& runner, const std::vector<std::string>& arguments,
                           std::string mark)
    : m_process(std::make_unique<QProcess>()), m_limit(runner.Limit()),
      m_memoryLimitMb(runner.MemoryLimitMb()), m_stopWhen(runner.StopFlag()),
      m_mark(std::move(mark)) {
    StartEngine(*m_process, runner.Program(), arguments, m_memoryLimitMb);
    if (!m_process->waitForStarted()) {
        m_output = m_process->errorString().toStdString();
        m_ending = EngineOutcome::Ending::FailedToStart;
    }
}

EngineStream::~EngineStream() {
    if (Running()) {
        m_process->kill();
        m_process->waitForFinished();
    }
}

bool EngineStream::Running() const {
    return m_ending == EngineOutcome::Ending::Finished &&
           m_process->state() != QProcess::NotRunning;
}

bool EngineStream::WaitForMarks(int count) {
    using Clock = std::chrono::steady_clock;
    Clock::time_point deadline = Clock::now() + m_limit;
    while (static_cast<int>(m_markEnds.size()) < count && Running()) {
        if (m_stopWhen != nullptr && m_stopWhen->load()) {
            End(EngineOutcome::Ending::Stopped);
            break;
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            End(EngineOutcome::Ending::TimedOut);
            break;
        }
        const std::size_t marks = m_markEnds.size();
        m_process->waitForReadyRead(static_cast<int>(std::min(left, StopCheck).count()));
        ReadOutput();
        if (m_markEnds.size() > marks) {
            deadline = Clock::now() + m_limit;
        }
    }
    ReadOutput();
    if (m_ending == EngineOutcome::Ending::Finished && m_process->state() == QProcess::NotRunning) {
        m_ending = EndingOf(*m_process, m_output, m_memoryLimitMb);
    }
    return static_cast<int>(m_markEnds.size()) >= count;
}

void EngineStream::ReadOutput() {
    m_output += m_process->readAll().toStdString();
    // A mark counts once its whole line is there; the output is looked through once.
    while (true) {
        const auto found = m_output.find(m_mark, m_scanned);
        const auto end =
            found == std::string::npos ? std::string::npos : m_output.find('\n', found + 1);
        if (end == std::string::npos) {
            const std::size_t partial = std::min(m_output.size(), m_mark.size());
            m_scanned =
                std::max(m_scanned, found != std::string::npos ? found : m_output.size() - partial);
            return;
        }
        m_markEnds.push_back(end + 1);
        m_scanned = end + 1;
    }
}

void EngineStream::End(EngineOutcome::Ending ending) {
    m_process->kill();
    m_process->waitForFinished();
    m_ending = ending;
}

} // namespace tolk
