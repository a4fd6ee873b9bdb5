#include "core/TargetRecord.h"

#include <atomic>
#include <fstream>
#include <unistd.h>

namespace tolk {
namespace {

std::filesystem::path RecordPath(const std::filesystem::path& target) {
    return target.parent_path() / TargetRecordFolder / target.filename();
}

std::atomic<unsigned long> WriteNumber = 0;

} // namespace

std::optional<TargetRecord> ReadTargetRecord(const std::filesystem::path& target) {
    std::ifstream file(RecordPath(target));
    if (!file) {
        return std::nullopt;
    }
    TargetRecord record;
    std::string line;
    while (std::getline(file, line)) {
        if (line.starts_with("companion ")) {
            record.companions.push_back(line.substr(10));
        } else if (line.starts_with("partner ")) {
            record.partners.push_back(line.substr(8));
        }
    }
    return record;
}

void WriteTargetRecord(const std::filesystem::path& target, const TargetRecord& record) {
    const std::filesystem::path path = RecordPath(target);
    std::error_code error;
    if (record == TargetRecord{}) {
        std::filesystem::remove(path, error);
        std::filesystem::remove(path.parent_path(), error); // once it holds no record
        return;
    }
    std::filesystem::create_directory(path.parent_path(), error);
    // Written beside and renamed, so that a reader never finds half a record.
    const std::filesystem::path written =
        path.parent_path() /
        (".new-" + std::to_string(getpid()) + "-" + std::to_string(++WriteNumber));
    {
        std::ofstream file(written, std::ios::trunc);
        for (const std::string& name : record.companions) {
            file << "companion " << name << '\n';
        }
        for (const std::string& name : record.partners) {
            file << "partner " << name << '\n';
        }
        if (!file.flush()) {
            std::filesystem::remove(written, error);
            std::filesystem::remove(path, error);
            return;
        }
    }
    std::filesystem::rename(written, path, error);
    if (error) {
        std::filesystem::remove(written, error);
        std::filesystem::remove(path, error);
    }
}

} // namespace tolk
