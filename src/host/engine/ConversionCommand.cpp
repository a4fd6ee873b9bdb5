#include "host/engine/ConversionCommand.h"

#include "host/engine/EngineCommand.h"

#include <algorithm>
#include <filesystem>

namespace tolk {
namespace {

struct KindWords {
    const char* flag;
    const char* name;
    const char* point;
};

// In the order of AllDataKinds.
constexpr KindWords KindWordTable[] = {
    {"-w", "waypoints", "waypoint"},
    {"-t", "tracks", "track point"},
    {"-r", "routes", "route point"},
};

const KindWords& KindWordsOf(DataKind kind) {
    return KindWordTable[static_cast<int>(kind)];
}

std::string OutputFormatArgument(const EngineOutput& output) {
    std::string argument = FormatArgument(output.format);
    if (!output.datum.empty() && output.format.format.HasOption("datum")) {
        argument += ",datum=" + output.datum;
    }
    if (!output.gridKeyword.empty() && output.format.format.HasOption("grid")) {
        argument += ",grid=" + output.gridKeyword;
    }
    return argument;
}

// A reader asked for a kind it cannot read fails the whole read.
std::vector<DataKind> KindsRead(const std::vector<EngineInput>& inputs) {
    std::vector<DataKind> kinds;
    for (DataKind kind : AllDataKinds) {
        if (std::ranges::any_of(inputs, [kind](const EngineInput& input) {
                return input.format.format.Reads(kind);
            })) {
            kinds.push_back(kind);
        }
    }
    return kinds;
}

} // namespace

std::string FormatArgument(const FormatChoice& choice) {
    return choice.options.empty() ? choice.format.name : choice.format.name + "," + choice.options;
}

std::vector<std::string> WriteArguments(const EngineOutput& output) {
    return EngineCommand().Write(OutputFormatArgument(output), output.path);
}

const char* KindFlag(DataKind kind) {
    return KindWordsOf(kind).flag;
}

const char* KindName(DataKind kind) {
    return KindWordsOf(kind).name;
}

const char* PointName(DataKind kind) {
    return KindWordsOf(kind).point;
}

DataKind KindNamedIn(const std::string& path) {
    const std::string stem = std::filesystem::path(path).stem().string();
    for (DataKind kind : {DataKind::Tracks, DataKind::Routes}) {
        if (stem.ends_with(std::string("-") + KindName(kind))) {
            return kind;
        }
    }
    return DataKind::Waypoints;
}

std::vector<DataKind> CarriedKinds(const std::vector<EngineInput>& inputs,
                                   const FormatChoice& output) {
    std::vector<DataKind> kinds = KindsRead(inputs);
    std::erase_if(kinds, [&output](DataKind kind) { return !output.format.Writes(kind); });
    return kinds;
}

std::string CompanionPath(const std::string& targetPath, DataKind kind) {
    std::filesystem::path path(targetPath);
    const std::filesystem::path extension = path.extension();
    path.replace_filename(path.stem().string() + "-" + KindName(kind) + extension.string());
    return path.string();
}

std::vector<std::string> ConversionFlags(const std::vector<EngineInput>& inputs) {
    std::vector<DataKind> kinds = KindsRead(inputs);
    const DataKind last = inputs.empty() ? DataKind::Waypoints : inputs.front().readAs;
    std::stable_partition(kinds.begin(), kinds.end(),
                          [last](DataKind kind) { return kind != last; });
    return EngineCommand().Kinds(kinds);
}

std::vector<std::string> ConversionSteps(const std::vector<EngineInput>& inputs,
                                         const std::vector<EngineOutput>& outputs,
                                         const std::string& probePath) {
    EngineCommand steps;
    for (const EngineInput& input : inputs) {
        steps.Read(FormatArgument(input.format), input.path);
    }
    steps.Count(true);
    if (!probePath.empty()) {
        steps.Write("gpx", probePath);
    }
    if (outputs.empty()) {
        return steps;
    }
    // What the target's format cannot hold is counted and probed, then left out: some writers
    // would otherwise write it in a shape of their own.
    const std::vector<DataKind> carried = CarriedKinds(inputs, outputs.front().format);
    std::vector<DataKind> dropped = KindsRead(inputs);
    std::erase_if(dropped, [&carried](DataKind kind) {
        return std::ranges::find(carried, kind) != carried.end();
    });
    if (!dropped.empty()) {
        steps.Drop(dropped);
    }
    for (const EngineOutput& output : outputs) {
        if (output.kind) {
            steps.Kind(*output.kind);
        }
        steps.Then(WriteArguments(output));
    }
    return steps;
}

std::vector<std::string> ConversionArguments(const std::vector<EngineInput>& inputs,
                                             const std::vector<EngineOutput>& outputs,
                                             const std::string& probePath) {
    return EngineCommand::Whole()
        .Then(ConversionFlags(inputs))
        .Then(ConversionSteps(inputs, outputs, probePath));
}

} // namespace tolk
