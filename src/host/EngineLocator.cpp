#include "host/EngineLocator.h"

#include "host/EngineRunner.h"

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

std::optional<LocatedEngine> TryEngine(const std::string& program,
                                       std::chrono::milliseconds limit) {
    const EngineRunner runner(program, limit);
    const EngineOutcome version = runner.Run({"-V"});
    LocatedEngine engine{program, VersionLine(version.output), {}};
    if (!version.Succeeded() || engine.version.empty()) {
        return std::nullopt;
    }
    const EngineOutcome listing = runner.Run({"-^3"});
    engine.formats = FormatList::Parse(listing.output);
    if (!listing.Succeeded() || engine.formats.Empty()) {
        return std::nullopt;
    }
    return engine;
}

} // namespace

std::optional<LocatedEngine> FindWorkingGpsBabel(std::chrono::milliseconds limit) {
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
        if (auto engine = TryEngine(program.toStdString(), limit)) {
            return engine;
        }
    }
    return std::nullopt;
}

} // namespace tolk
