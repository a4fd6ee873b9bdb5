#include "host/HostLink.h"

#include <algorithm>

namespace tolk {
namespace {

template <class Call>
CallResult Made(Call&& call) {
    CallResult answer;
    answer.status = call(answer.code);
    return answer;
}

} // namespace

void SpareEngines::Add(int count) {
    const std::lock_guard lock(m_mutex);
    m_spare += count;
}

int SpareEngines::Take(int most) {
    const std::lock_guard lock(m_mutex);
    const int taken = std::clamp(most, 0, m_spare);
    m_spare -= taken;
    return taken;
}

int SpareEngines::Count() const {
    const std::lock_guard lock(m_mutex);
    return m_spare;
}

void HostLink::ConvertFiles(std::span<const FileConversion> files, const HostRun&, FileGate& gate) {
    for (std::size_t file = 0; file < files.size() && gate.MayLand(file); ++file) {
        gate.Finished(file, ConvertByCalls(files[file]));
    }
}

FileResult HostLink::ConvertByCalls(const FileConversion& file) {
    FileResult result;
    result.open = Made([&](std::int32_t& code) { return OpenFile(file.source, code); });
    if (result.open->status.Failed()) {
        return result;
    }
    if (!file.merge.empty()) {
        result.merge = Made([&](std::int32_t& code) { return MergeFile(file.merge, code); });
        if (result.merge->status.Failed()) {
            return result;
        }
    }
    if (!file.grid.empty()) {
        result.grid = Made([&](std::int32_t& code) { return ChangeGrid(file.grid, code); });
    }
    if (!file.datum.empty()) {
        result.datum = Made([&](std::int32_t& code) { return ChangeDatum(file.datum, code); });
    }
    result.save = Made([&](std::int32_t& code) { return SaveFileAs(file.target, code); });
    if (!result.save->status.Failed()) {
        result.close = Made([&](std::int32_t& code) { return CloseWindow(code); });
    }
    return result;
}

} // namespace tolk
