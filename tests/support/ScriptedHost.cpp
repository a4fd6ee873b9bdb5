#include "ScriptedHost.h"

namespace tolk::testing {

void HostScript::QueueResult(const std::string& operation, std::int32_t code) {
    m_queued[operation].push_back({{}, code});
}

void HostScript::SetResult(const std::string& operation, std::int32_t code) {
    m_standing[operation] = {{}, code};
}

void HostScript::QueueFailure(const std::string& operation, HostStatus status) {
    m_queued[operation].push_back({std::move(status), 0});
}

void HostScript::SetFailure(const std::string& operation, HostStatus status) {
    m_standing[operation] = {std::move(status), 0};
}

HostStatus HostScript::Answer(const std::string& operation, const std::string& argument,
                              std::int32_t& result) {
    if (onCall) {
        onCall(operation, argument);
    }
    const std::lock_guard lock(m_mutex);
    calls.push_back(argument.empty() ? operation : operation + "(" + argument + ")");
    Reply reply;
    if (auto& queued = m_queued[operation]; !queued.empty()) {
        reply = queued.front();
        queued.pop_front();
    } else if (auto standing = m_standing.find(operation); standing != m_standing.end()) {
        reply = standing->second;
    }
    if (!reply.status.Failed()) {
        result = reply.result;
        reply.status.reason = result != 0 ? reason : std::string();
        reply.status.notKept = result == 0 && operation == "SaveFileAs" ? notKept : std::string();
    }
    return reply.status;
}

std::vector<std::string> ScriptedHost::FormatsFor(const std::string& type, FormatUse use) const {
    const auto found = m_script->formats.find(use == FormatUse::Read ? type : ">" + type);
    return found != m_script->formats.end() ? found->second : std::vector<std::string>();
}

std::optional<std::string> ScriptedHost::ChooseFormat(const std::string& type,
                                                      const std::string& format) {
    m_script->chosen.push_back(type + "=" + format);
    return m_script->chooseFails ? std::optional(m_script->reason) : std::nullopt;
}

HostStatus ScriptedHost::RefreshData(std::int32_t& result) {
    return m_script->Answer("RefreshData", {}, result);
}

HostStatus ScriptedHost::RefreshMap(std::int32_t& result) {
    return m_script->Answer("RefreshMap", {}, result);
}

HostStatus ScriptedHost::OpenFile(const std::string& path, std::int32_t& result) {
    return m_script->Answer("OpenFile", path, result);
}

HostStatus ScriptedHost::CloseWindow(std::int32_t& result) {
    return m_script->Answer("CloseWindow", {}, result);
}

HostStatus ScriptedHost::SaveFileAs(const std::string& path, std::int32_t& result) {
    return m_script->Answer("SaveFileAs", path, result);
}

HostStatus ScriptedHost::MergeFile(const std::string& path, std::int32_t& result) {
    return m_script->Answer("MergeFile", path, result);
}

HostStatus ScriptedHost::GetVersion(std::string& version) {
    std::int32_t unused = 0;
    HostStatus status = m_script->Answer("GetVersion", {}, unused);
    if (!status.Failed()) {
        version = m_script->version;
    }
    return status;
}

HostStatus ScriptedHost::ChangeDatum(const std::string& name, std::int32_t& result) {
    return m_script->Answer("ChangeDatum", name, result);
}

HostStatus ScriptedHost::ChangeGrid(const std::string& name, std::int32_t& result) {
    return m_script->Answer("ChangeGrid", name, result);
}

HostStatus Failure(const std::string& description, std::int32_t code) {
    return {code, description};
}

} // namespace tolk::testing
