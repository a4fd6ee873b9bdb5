#include "host/landing/KeepCheck.h"

#include "core/Translate.h"

#include <QtGlobal>
#include <algorithm>
#include <filesystem>
#include <fstream>

namespace tolk {
namespace {

constexpr DataKind LineKinds[] = {DataKind::Tracks, DataKind::Routes};

// In the order of AllDataKinds: one point and more points of each kind, and the kind itself.
struct KindTexts {
    const char* one;
    const char* more;
    const char* kind;
};
constexpr KindTexts KindTextTable[] = {
    {QT_TRANSLATE_NOOP("Host", "%1 waypoint"), QT_TRANSLATE_NOOP("Host", "%1 waypoints"),
     QT_TRANSLATE_NOOP("Host", "waypoints")},
    {QT_TRANSLATE_NOOP("Host", "%1 track point"), QT_TRANSLATE_NOOP("Host", "%1 track points"),
     QT_TRANSLATE_NOOP("Host", "tracks")},
    {QT_TRANSLATE_NOOP("Host", "%1 route point"), QT_TRANSLATE_NOOP("Host", "%1 route points"),
     QT_TRANSLATE_NOOP("Host", "routes")},
};

std::string Counted(long count, DataKind kind) {
    const KindTexts& texts = KindTextTable[static_cast<int>(kind)];
    return Tr("Host", count == 1 ? texts.one : texts.more, {std::to_string(count)});
}

std::string Joined(const std::vector<std::string>& parts, const std::string& last) {
    std::string text;
    for (std::size_t index = 0; index < parts.size(); ++index) {
        text += (index == 0 ? "" : index + 1 == parts.size() ? last : ", ") + parts[index];
    }
    return text;
}

// Line `number` (from 1) of the kind in the engine's GPX, alone in a GPX of its own; empty when
// there is no such line or it holds no point.
std::string LineAlone(const std::string& gpx, DataKind kind, long number) {
    const bool tracks = kind == DataKind::Tracks;
    const std::string open = tracks ? "<trk>" : "<rte>";
    const std::string close = tracks ? "</trk>" : "</rte>";
    std::size_t at = std::string::npos;
    for (long seen = 0; seen < number; ++seen) {
        at = gpx.find(open, at == std::string::npos ? 0 : at + open.size());
        if (at == std::string::npos) {
            return {};
        }
    }
    const std::size_t end = gpx.find(close, at);
    const std::size_t header = gpx.find('>', gpx.find("<gpx"));
    if (end == std::string::npos || header == std::string::npos) {
        return {};
    }
    const std::string line = gpx.substr(at, end + close.size() - at);
    if (line.find(tracks ? "<trkpt " : "<rtept ") == std::string::npos) {
        return {};
    }
    return gpx.substr(0, header + 1) + "\n" + line + "\n</gpx>\n";
}

// The engine's GPX reader, for reading a line back in.
FormatChoice GpxReader() {
    EngineFormat gpx;
    gpx.name = "gpx";
    gpx.isFile = true;
    for (DataKind kind : AllDataKinds) {
        gpx.reads[static_cast<int>(kind)] = true;
    }
    return {gpx, {}};
}

// The writer may drop tracks or routes, or points of them, that the file holds.
bool MayDropLines(const KeepJob& job) {
    return std::ranges::any_of(LineKinds, [&](DataKind kind) {
        return job.read.Of(kind) > 0 && job.format.format.Writes(kind) &&
               job.format.format.ReadsAny() &&
               !job.learned.KeepsEveryLine(job.format.format, kind, job.runner);
    });
}

// Kinds read that the format does not write at all.
std::string KindsNotHeld(const KeepJob& job) {
    std::vector<std::string> lost;
    std::vector<std::string> held;
    for (DataKind kind : AllDataKinds) {
        if (job.format.format.Writes(kind)) {
            held.emplace_back(Tr("Host", KindTextTable[static_cast<int>(kind)].kind));
        } else if (job.read.Of(kind) > 0) {
            lost.push_back(Counted(job.read.Of(kind), kind));
        }
    }
    if (lost.empty()) {
        return {};
    }
    const std::string both = Tr("Host", " and ");
    return Tr("Host", "%1 not kept: the target type holds %2 only",
              {Joined(lost, both), Joined(held, both)});
}

// The kinds read that the format writes.
std::vector<DataKind> CarriedKinds(const KeepJob& job) {
    std::vector<DataKind> kinds;
    for (DataKind kind : AllDataKinds) {
        if (job.format.format.Writes(kind) && job.read.Of(kind) > 0) {
            kinds.push_back(kind);
        }
    }
    return kinds;
}

long CarriedPoints(const KeepJob& job) {
    long carried = 0;
    for (DataKind kind : CarriedKinds(job)) {
        carried += job.read.Of(kind);
    }
    return carried;
}

// The engine's run reading the outputs back.
EngineOutcome ReadBack(const KeepJob& job, const std::vector<PlannedOutput>& outputs) {
    std::vector<EngineInput> written;
    for (const PlannedOutput& output : outputs) {
        if (output.pending->HasContent()) {
            written.push_back({output.pending->TempPath(), job.format, DataKind::Waypoints});
        }
    }
    return job.runner.Run(ConversionArguments(written, {}));
}

// What the outputs hold as the engine reads them back, against what was carried to them.
std::string ShortOnReadBack(const KeepJob& job, const std::vector<PlannedOutput>& outputs) {
    const std::vector<DataKind> carriedKinds = CarriedKinds(job);
    const long carried = CarriedPoints(job);
    const EngineOutcome back = ReadBack(job, outputs);
    const long kept = CountsRead(back.output).Total();
    // A reader that finds nothing in what the writer wrote tells nothing about the writer.
    if (!back.Succeeded() || kept == 0 || kept >= carried) {
        return {};
    }
    const std::string lost = carriedKinds.size() == 1
                                 ? Counted(carried - kept, carriedKinds.front())
                                 : Tr("Host", "%1 points", {std::to_string(carried - kept)});
    return Tr("Host", "%1 not kept: the target type's writer kept %2 of %3",
              {lost, std::to_string(kept), std::to_string(carried)});
}

} // namespace

std::string NumberedCompanionPath(const std::string& targetPath, DataKind kind, long number) {
    std::filesystem::path path(targetPath);
    const std::string line = kind == DataKind::Tracks ? "-track" : "-route";
    path.replace_filename(path.stem().string() + line + std::to_string(number) +
                          path.extension().string());
    return path.string();
}

std::optional<std::string>
WriteNumberedCompanions(const KeepJob& job, const std::string& probeGpx, const EngineOutput& like,
                        const std::string& target, const std::string& seenFolder,
                        EngineView& scratch, std::vector<PlannedOutput>& outputs) {
    std::string scratchGpx;
    for (DataKind kind : LineKinds) {
        const long lines = job.read.Heads(kind);
        if (lines < 2 || !job.learned.KeepsFirstOnly(job.format.format, kind, job.runner)) {
            continue;
        }
        for (long number = 2; number <= lines; ++number) {
            const std::string line = LineAlone(probeGpx, kind, number);
            if (line.empty()) {
                continue;
            }
            if (scratchGpx.empty()) {
                scratchGpx = scratch.Scratch("line.gpx");
            }
            std::ofstream(scratchGpx, std::ios::trunc) << line;
            auto pending = std::make_unique<PendingOutput>(
                NumberedCompanionPath(target, kind, number), seenFolder);
            if (!pending->Ready()) {
                return Tr("Host", "the target folder cannot be written");
            }
            EngineOutput output = like;
            output.path = pending->TempPath();
            output.kind = like.kind ? std::optional<DataKind>(kind) : std::nullopt;
            const EngineOutcome run =
                job.runner.Run(ConversionArguments({{scratchGpx, GpxReader(), kind}}, {output}));
            if (!run.Succeeded()) {
                const std::string said = EngineMessage(run.output);
                return Tr("Host", "gpsbabel could not write %1",
                          {NumberedCompanionPath(target, kind, number)}) +
                       (said.empty() ? "" : ": " + said);
            }
            outputs.push_back({kind, std::move(pending)});
        }
    }
    return std::nullopt;
}

bool ReadsBackWhole(const KeepJob& job, const std::vector<PlannedOutput>& outputs) {
    const EngineOutcome back = ReadBack(job, outputs);
    const long kept = CountsRead(back.output).Total();
    return back.Succeeded() && kept > 0 && (MayDropLines(job) || kept >= CarriedPoints(job));
}

std::string NotKept(const KeepJob& job, const std::vector<PlannedOutput>& outputs) {
    std::vector<std::string> notes;
    if (std::string lost = KindsNotHeld(job); !lost.empty()) {
        notes.push_back(std::move(lost));
    }
    if (MayDropLines(job)) {
        if (std::string shortBy = ShortOnReadBack(job, outputs); !shortBy.empty()) {
            notes.push_back(std::move(shortBy));
        }
    }
    return Joined(notes, "; ");
}

} // namespace tolk
