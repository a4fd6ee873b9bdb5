#include "host/ConversionCommand.h"

#include <algorithm>

namespace tolk {
namespace {

const char* KindFlag(DataKind kind) {
    switch (kind) {
    case DataKind::Waypoints:
        return "-w";
    case DataKind::Tracks:
        return "-t";
    case DataKind::Routes:
        return "-r";
    }
    return "";
}

std::string FormatArgument(const FormatChoice& choice) {
    return choice.options.empty() ? choice.format.name : choice.format.name + "," + choice.options;
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

} // namespace

std::vector<DataKind> CarriedKinds(const std::vector<EngineInput>& inputs,
                                   const FormatChoice& output) {
    std::vector<DataKind> kinds;
    for (DataKind kind : AllDataKinds) {
        const bool read = std::ranges::any_of(
            inputs, [kind](const EngineInput& input) { return input.format.format.Reads(kind); });
        if (read && output.format.Writes(kind)) {
            kinds.push_back(kind);
        }
    }
    return kinds;
}

std::vector<std::string> ConversionArguments(const std::vector<EngineInput>& inputs,
                                             const EngineOutput& output,
                                             const std::string& probePath) {
    std::vector<std::string> arguments{"-p", ""};
    for (DataKind kind : CarriedKinds(inputs, output.format)) {
        arguments.emplace_back(KindFlag(kind));
    }
    for (const EngineInput& input : inputs) {
        arguments.insert(arguments.end(), {"-i", FormatArgument(input.format), "-f", input.path});
    }
    arguments.insert(arguments.end(), {"-x", "validate,checkempty,debug"});
    arguments.insert(arguments.end(), {"-o", OutputFormatArgument(output), "-F", output.path});
    if (!probePath.empty()) {
        arguments.insert(arguments.end(), {"-o", "gpx", "-F", probePath});
    }
    return arguments;
}

} // namespace tolk
