#include "host/engine/EngineCounts.h"

#include <sstream>

namespace tolk {
namespace {

// A reason shows in a status tool tip and a log line: the first few lines say what went wrong.
constexpr int ReasonLines = 3;

struct CountLine {
    const char* start;
    DataKind kind;
    bool heads; ///< counts tracks or routes rather than points
};

const CountLine CountLines[] = {
    {"point ct: ", DataKind::Waypoints, false},
    {"total track point ct: ", DataKind::Tracks, false},
    {"total route point ct: ", DataKind::Routes, false},
    {"track head ct: ", DataKind::Tracks, true},
    {"route head ct: ", DataKind::Routes, true},
};

bool IsReportLine(const std::string& line) {
    return line.starts_with("Processing ") || line.find(" ct: ") != std::string::npos;
}

} // namespace

KindCounts CountsRead(const std::string& output) {
    KindCounts read;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        for (const CountLine& count : CountLines) {
            if (line.starts_with(count.start)) {
                read.reported = true;
                (count.heads ? read.heads : read.counts)[static_cast<int>(count.kind)] =
                    std::strtol(line.c_str() + std::char_traits<char>::length(count.start), nullptr,
                                10);
            }
        }
    }
    return read;
}

bool ReadNothing(const std::string& output) {
    return output.find("validate:No input") != std::string::npos;
}

std::string WithoutCountReport(const std::string& output) {
    std::istringstream lines(output);
    std::string line;
    std::string kept;
    while (std::getline(lines, line)) {
        if (!IsReportLine(line)) {
            kept += line + "\n";
        }
    }
    return kept;
}

std::string EngineMessage(const std::string& output) {
    std::istringstream lines(WithoutCountReport(output));
    std::string line;
    std::string message;
    int kept = 0;
    while (kept < ReasonLines && std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.find_first_not_of(" \t") == std::string::npos) {
            continue;
        }
        message += (message.empty() ? "" : "\n") + line;
        ++kept;
    }
    return message;
}

} // namespace tolk
