#include "host/ConversionCommand.h"

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
    return {"-o", OutputFormatArgument(output), "-F", output.path};
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
    std::vector<std::string> flags;
    for (DataKind kind : kinds) {
        flags.emplace_back(KindFlag(kind));
    }
    return flags;
}

std::vector<std::string> ConversionSteps(const std::vector<EngineInput>& inputs,
                                         const std::vector<EngineOutput>& outputs,
                                         const std::string& probePath) {
    std::vector<std::string> arguments;
    for (const EngineInput& input : inputs) {
        arguments.insert(arguments.end(), {"-i", FormatArgument(input.format), "-f", input.path});
    }
    arguments.insert(arguments.end(), {"-x", "validate,checkempty,debug"});
    if (!probePath.empty()) {
        arguments.insert(arguments.end(), {"-o", "gpx", "-F", probePath});
    }
    if (outputs.empty()) {
        return arguments;
    }
    // What the target's format cannot hold is counted and probed, then left out: some writers
    // would otherwise write it in a shape of their own.
    const std::vector<DataKind> carried = CarriedKinds(inputs, outputs.front().format);
    std::string dropped;
    for (DataKind kind : KindsRead(inputs)) {
        if (std::ranges::find(carried, kind) == carried.end()) {
            dropped += std::string(",") + KindName(kind);
        }
    }
    if (!dropped.empty()) {
        arguments.insert(arguments.end(), {"-x", "nuketypes" + dropped});
    }
    for (const EngineOutput& output : outputs) {
        if (output.kind) {
            arguments.emplace_back(KindFlag(*output.kind));
        }
        const std::vector<std::string> write = WriteArguments(output);
        arguments.insert(arguments.end(), write.begin(), write.end());
    }
    return arguments;
}

std::vector<std::string> ConversionArguments(const std::vector<EngineInput>& inputs,
                                             const std::vector<EngineOutput>& outputs,
                                             const std::string& probePath) {
    std::vector<std::string> arguments{"-p", ""};
    for (std::vector<std::string> part :
         {ConversionFlags(inputs), ConversionSteps(inputs, outputs, probePath)}) {
        arguments.insert(arguments.end(), part.begin(), part.end());
    }
    return arguments;
}

} // namespace tolk
