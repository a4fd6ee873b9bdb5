#include "host/engine/EngineCommand.h"

#include "host/engine/ConversionCommand.h"

namespace tolk {

EngineCommand EngineCommand::Whole() {
    EngineCommand command;
    command.m_arguments = {"-p", ""};
    return command;
}

EngineCommand& EngineCommand::Kind(DataKind kind) {
    m_arguments.emplace_back(KindFlag(kind));
    return *this;
}

EngineCommand& EngineCommand::Kinds(std::span<const DataKind> kinds) {
    for (DataKind kind : kinds) {
        Kind(kind);
    }
    return *this;
}

EngineCommand& EngineCommand::Read(const std::string& format, const std::string& path) {
    return Then({"-i", format, "-f", path});
}

EngineCommand& EngineCommand::Write(const std::string& format, const std::string& path) {
    return Then({"-o", format, "-F", path});
}

EngineCommand& EngineCommand::Count(bool failEmpty) {
    return Then({"-x", failEmpty ? "validate,checkempty,debug" : "validate,debug"});
}

EngineCommand& EngineCommand::Drop(std::span<const DataKind> kinds, const std::string& mark) {
    std::string filter = "nuketypes";
    for (DataKind kind : kinds) {
        filter += std::string(",") + KindName(kind);
    }
    return Then({"-x", mark.empty() ? filter : filter + "," + mark});
}

EngineCommand& EngineCommand::Then(const std::vector<std::string>& part) {
    m_arguments.insert(m_arguments.end(), part.begin(), part.end());
    return *this;
}

} // namespace tolk
