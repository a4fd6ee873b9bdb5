#include "convert/UpToDate.h"

#include "convert/BaseName.h"
#include "convert/FileConversion.h"
#include "convert/MergeIndex.h"
#include "core/TargetRecord.h"

#include <QThread>
#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tolk {
namespace {

using Time = std::pair<std::int64_t, long>;

// When files were last written, asked through their open folder: a file's own name is found at
// once, where its whole path would be walked again for every file. Consecutive files mostly
// share a folder, so one folder is kept open at a time.
class WriteTimes {
public:
    WriteTimes() = default;
    ~WriteTimes() { Close(); }
    WriteTimes(const WriteTimes&) = delete;
    WriteTimes& operator=(const WriteTimes&) = delete;

    /// When the file was last written; with `changed`, the later of that and when it or its name
    /// last changed (a file moved over the name from elsewhere keeps its own older write time).
    std::optional<Time> Of(const std::string& path, bool changed = false) {
        const auto slash = path.rfind('/');
        const std::string_view folder = std::string_view(path).substr(0, slash);
        if (folder != m_folder || m_fd < 0) {
            Close();
            m_folder = folder;
            m_fd =
                open(m_folder.empty() ? "/" : m_folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
            struct stat records {};
            m_records = m_fd >= 0 && fstatat(m_fd, TargetRecordFolder, &records, 0) == 0;
        }
        struct stat status {};
        if (m_fd < 0 || fstatat(m_fd, path.c_str() + slash + 1, &status, 0) != 0) {
            return std::nullopt;
        }
        const Time written{status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
        return changed ? std::max(written, Time{status.st_ctim.tv_sec, status.st_ctim.tv_nsec})
                       : written;
    }

    /// The folder of the file last asked about holds records of targets (asked once a folder,
    /// so that a folder without any costs no look for a record per file).
    bool HoldsRecords() const { return m_records; }

private:
    void Close() {
        if (m_fd >= 0) {
            close(m_fd);
        }
        m_fd = -1;
    }

    std::string m_folder;
    int m_fd = -1;
    bool m_records = false;
};

// Every companion and partner the target's record names is still there.
bool RecordHolds(const ConversionSettings& settings, const std::string& name,
                 const std::string& targetPath) {
    const std::optional<TargetRecord> record = ReadTargetRecord(targetPath);
    if (!record) {
        return true;
    }
    const std::filesystem::path target(targetPath);
    const std::filesystem::path source = std::filesystem::path(settings.SourceFldr) / name;
    std::error_code error;
    return std::ranges::all_of(record->companions,
                               [&](const std::string& companion) {
                                   return std::filesystem::exists(target.parent_path() / companion,
                                                                  error);
                               }) &&
           std::ranges::all_of(record->partners, [&](const std::string& partner) {
               return std::filesystem::exists(source.parent_path() / partner, error);
           });
}

bool IsUpToDate(const ConversionSettings& settings, const std::string& name,
                const MergeIndex& merges, WriteTimes& sources, WriteTimes& targets) {
    const std::string targetPath = TargetPathOf(settings, name);
    const std::optional<Time> target = targets.Of(targetPath);
    const std::optional<Time> source =
        target ? sources.Of(settings.SourceFldr + "/" + name, true) : std::nullopt;
    if (!source || *target <= *source) {
        return false;
    }
    if (!settings.MergeExt.empty()) {
        // A partner that is missing merges nothing; one that appeared since must be merged.
        const std::optional<std::string> partner =
            merges.Find(BaseName(name) + "." + settings.MergeExt);
        const std::optional<Time> merged =
            partner ? sources.Of(settings.SourceFldr + "/" + *partner, true) : std::nullopt;
        if (merged && *target <= *merged) {
            return false;
        }
    }
    return !targets.HoldsRecords() || RecordHolds(settings, name, targetPath);
}

// Below this many files a thread of their own costs more than it saves.
constexpr std::size_t FilesPerPart = 2000;

} // namespace

std::vector<std::string> NotUpToDate(const ConversionSettings& settings,
                                     const std::vector<std::string>& names) {
    const MergeIndex merges =
        settings.MergeExt.empty() ? MergeIndex() : MergeIndex(settings.SourceFldr);
    // Most of the time goes to the system's lookups of names, which run side by side: a long list
    // is shared out in runs of consecutive files, so that each keeps its folders open.
    const std::size_t parts = std::clamp<std::size_t>(names.size() / FilesPerPart, 1,
                                                      std::max(1, QThread::idealThreadCount()));
    std::vector<char> upToDate(names.size());
    std::vector<std::unique_ptr<QThread>> threads;
    for (std::size_t part = 0; part < parts; ++part) {
        threads.emplace_back(QThread::create([&, part] {
            WriteTimes sources;
            WriteTimes targets;
            for (std::size_t file = names.size() * part / parts;
                 file < names.size() * (part + 1) / parts; ++file) {
                upToDate[file] = IsUpToDate(settings, names[file], merges, sources, targets);
            }
        }));
        threads.back()->start();
    }
    for (const auto& thread : threads) {
        thread->wait();
    }
    std::vector<std::string> due;
    for (std::size_t file = 0; file < names.size(); ++file) {
        if (!upToDate[file]) {
            due.push_back(names[file]);
        }
    }
    return due;
}

} // namespace tolk
