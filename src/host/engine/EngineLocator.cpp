#include "host/engine/EngineLocator.h"

#include "host/engine/EngineCache.h"
#include "host/engine/EngineRunner.h"
#include "host/engine/UserCacheFolder.h"

#include <QDir>
#include <QStandardPaths>
#include <QString>
#include <sstream>

namespace tolk {
namespace {

const char* const EngineName = "gpsbabel";
const char* const VersionMark = "GPSBabel Version";

std::string VersionLine(const std::string& output) {
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        const auto mark = line.find(VersionMark);
        if (mark != std::string::npos) {
            return line.substr(mark, line.find_last_not_of(" \t\r") + 1 - mark);
        }
    }
    return {};
}

std::optional<EngineAnswers> AskEngine(const std::string& program,
                                       std::chrono::milliseconds limit) {
    const EngineRunner runner(program, limit, EngineMemoryBudgetMb());
    const EngineOutcome version = runner.Run({"-V"});
    EngineAnswers answers{VersionLine(version.output), {}};
    if (!version.Succeeded() || answers.version.empty()) {
        return std::nullopt;
    }
    const EngineOutcome listing = runner.Run({"-^3"});
    if (!listing.Succeeded()) {
        return std::nullopt;
    }
    answers.listing = listing.output;
    return answers;
}

std::optional<LocatedEngine> LocatedFrom(const std::string& program,
                                         const std::optional<EngineAnswers>& answers) {
    if (!answers) {
        return std::nullopt;
    }
    LocatedEngine engine{program, answers->version, FormatList::Parse(answers->listing)};
    if (engine.formats.Empty()) {
        return std::nullopt;
    }
    return engine;
}

// Kept answers for an unchanged engine mean that it worked, so a start runs no engine; answers
// that are missing or no longer make a working engine are asked for again and kept.
std::optional<LocatedEngine> TryEngine(const std::string& program, std::chrono::milliseconds limit,
                                       bool keepAnswers) {
    const EngineCache cache(UserCacheFolder());
    if (auto engine = LocatedFrom(program, cache.Find(program))) {
        return engine;
    }
    const std::optional<EngineAnswers> answers = AskEngine(program, limit);
    auto engine = LocatedFrom(program, answers);
    if (engine && keepAnswers) {
        cache.Keep(program, *answers);
    }
    return engine;
}

} // namespace

std::optional<LocatedEngine> FindWorkingGpsBabel(std::chrono::milliseconds limit,
                                                 bool keepAnswers) {
    const QString path = qEnvironmentVariable("PATH");
    for (const QString& folder : path.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (!QDir::isAbsolutePath(folder)) {
            continue;
        }
        const QString program =
            QStandardPaths::findExecutable(QString::fromLatin1(EngineName), {folder});
        if (program.isEmpty()) {
            continue;
        }
        if (auto engine = TryEngine(program.toStdString(), limit, keepAnswers)) {
            return engine;
        }
    }
    return std::nullopt;
}

} // namespace tolk
