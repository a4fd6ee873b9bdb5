#include "host/HostConnection.h"

#include "core/TolkError.h"
#include "host/HostErrorText.h"

namespace tolk {
namespace {

// A call through an absent reference fails as an invalid pointer would.
constexpr std::int32_t AbsentHostStatus = static_cast<std::int32_t>(0x80004003u);

HostStatus AbsentHost() {
    return {AbsentHostStatus, {}};
}

} // namespace

void CheckHostStatus(const HostStatus& status) {
    if (status.Failed()) {
        throw TolkError(HostErrorText(status));
    }
}

template <class Call>
std::int32_t HostConnection::CallForCode(Call&& call) {
    std::int32_t result = 0;
    CheckHostStatus(m_link ? call(*m_link, result) : AbsentHost());
    return result;
}

std::int32_t HostConnection::RefreshData() {
    return CallForCode([](HostLink& h, std::int32_t& r) { return h.RefreshData(r); });
}

std::int32_t HostConnection::RefreshMap() {
    return CallForCode([](HostLink& h, std::int32_t& r) { return h.RefreshMap(r); });
}

std::int32_t HostConnection::OpenFile(const std::string& path) {
    return CallForCode([&](HostLink& h, std::int32_t& r) { return h.OpenFile(path, r); });
}

std::int32_t HostConnection::CloseWindow() {
    return CallForCode([](HostLink& h, std::int32_t& r) { return h.CloseWindow(r); });
}

std::int32_t HostConnection::SaveFileAs(const std::string& path) {
    return CallForCode([&](HostLink& h, std::int32_t& r) { return h.SaveFileAs(path, r); });
}

std::int32_t HostConnection::MergeFile(const std::string& path) {
    return CallForCode([&](HostLink& h, std::int32_t& r) { return h.MergeFile(path, r); });
}

std::string HostConnection::GetVersion() {
    std::string version;
    CheckHostStatus(m_link ? m_link->GetVersion(version) : AbsentHost());
    return version;
}

std::int32_t HostConnection::ChangeDatum(const std::string& name) {
    return CallForCode([&](HostLink& h, std::int32_t& r) { return h.ChangeDatum(name, r); });
}

std::int32_t HostConnection::ChangeGrid(const std::string& name) {
    return CallForCode([&](HostLink& h, std::int32_t& r) { return h.ChangeGrid(name, r); });
}

void HostConnection::ConvertFiles(std::span<const FileConversion> files, const HostRun& run,
                                  FileGate& gate) {
    if (m_link) {
        m_link->ConvertFiles(files, run, gate);
        return;
    }
    for (std::size_t file = 0; file < files.size() && gate.MayLand(file); ++file) {
        FileResult result;
        result.open = CallResult{AbsentHost(), 0};
        gate.Finished(file, std::move(result));
    }
}

} // namespace tolk
