#include "host/EngineRunner.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <algorithm>
#include <csignal>

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

// Waits for the engine to end, in steps when a stop may be asked for, and kills it past the
// time limit or once the stop is asked for.
EngineOutcome::Ending WaitForEnd(QProcess& process, std::chrono::milliseconds limit,
                                 const std::atomic<bool>* stopWhen) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + limit;
    while (process.state() != QProcess::NotRunning) {
        const bool stopAsked = stopWhen != nullptr && stopWhen->load();
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (stopAsked || left.count() <= 0) {
            process.kill();
            process.waitForFinished();
            return stopAsked ? EngineOutcome::Ending::Stopped : EngineOutcome::Ending::TimedOut;
        }
        const auto step = stopWhen != nullptr ? std::min(left, StopCheck) : left;
        process.waitForFinished(static_cast<int>(std::min<long long>(step.count(), INT32_MAX)));
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
        what = program + " could not be started";
        break;
    case Ending::Crashed:
        what = program + " stopped unexpectedly";
        break;
    case Ending::TimedOut:
        what = program + " did not finish within " +
               std::to_string(std::chrono::ceil<std::chrono::seconds>(limit).count()) +
               " seconds and was stopped";
        break;
    case Ending::Stopped:
        // Asked for by the user: what the engine said of being killed is beside the point.
        return "stopped";
    }
    const std::string message = Message();
    return message.empty() ? what : what + ": " + message;
}

EngineRunner::EngineRunner(std::string program, std::chrono::milliseconds limit)
    : m_program(std::move(program)), m_limit(limit) {}

EngineOutcome EngineRunner::Run(const std::vector<std::string>& arguments) const {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    // The engine reads file names from its arguments in the locale's encoding and words its
    // messages in the locale's language: UTF-8 and plain English, whatever the user's setting.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(QString::fromStdString(m_program), ToQt(arguments));

    EngineOutcome outcome;
    if (!process.waitForStarted()) {
        outcome.ending = EngineOutcome::Ending::FailedToStart;
        outcome.output = process.errorString().toStdString();
        return outcome;
    }
    outcome.ending = WaitForEnd(process, m_limit, m_stopWhen);
    outcome.exitCode = process.exitCode();
    outcome.output += process.readAll().toStdString();
    return outcome;
}

} // namespace tolk
