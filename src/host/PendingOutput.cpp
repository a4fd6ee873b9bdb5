#include "host/PendingOutput.h"

#include <QCryptographicHash>
#include <QString>
#include <QSysInfo>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <optional>
#include <string_view>
#include <unistd.h>

namespace tolk {
namespace {

// The folder of an output in the making is hidden, so that the source file list never shows a
// conversion in progress. Its full name is the prefix, a tag of this machine, "-", the process
// number, "-" and a random part.
const char* const TempPrefix = ".tolk-";

// The output's name in its folder, before its extension: companion files the engine writes
// beside it differ only in their extensions.
const char* const OutputStem = "out";

// A write that failed for want of room leaves less than a few blocks free.
constexpr std::uintmax_t FullBelowBytes = 16 * 1024;

// The permissions a new file gets: what the process's umask leaves of read and write for all.
// The umask is read from the process status, since setting it to read it would race with
// other threads creating files.
std::filesystem::perms NewFilePermissions() {
    std::ifstream status("/proc/self/status");
    std::string line;
    unsigned mask = 022;
    while (std::getline(status, line)) {
        if (line.starts_with("Umask:")) {
            mask = static_cast<unsigned>(std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    return static_cast<std::filesystem::perms>(0666u & ~mask);
}

void GivePermissions(const std::filesystem::path& file, const std::filesystem::path& replaced) {
    std::error_code error;
    const std::filesystem::file_status old = std::filesystem::status(replaced, error);
    const std::filesystem::perms wanted =
        !error && std::filesystem::exists(old) ? old.permissions() : NewFilePermissions();
    std::filesystem::permissions(file, wanted, error);
}

// Eight hexadecimal digits that tell this machine from others that may share a folder, short
// enough that a temporary name is not much longer than the target's own.
std::string MachineTag() {
    const QByteArray identity = QSysInfo::machineUniqueId() + QSysInfo::machineHostName().toUtf8();
    return QCryptographicHash::hash(identity, QCryptographicHash::Sha1)
        .toHex()
        .left(8)
        .toStdString();
}

std::string OwnTempStart() {
    static const std::string start =
        std::string(TempPrefix) + MachineTag() + "-" + std::to_string(getpid()) + "-";
    return start;
}

// The process that wrote the temporary of that name on this machine; none for a name of
// another machine's or of another form.
std::optional<pid_t> WriterOnThisMachine(std::string_view name) {
    static const std::string machineStart = std::string(TempPrefix) + MachineTag() + "-";
    if (!name.starts_with(machineStart)) {
        return std::nullopt;
    }
    const std::string_view rest = name.substr(machineStart.size());
    const auto dash = rest.find('-');
    if (dash == std::string_view::npos) {
        return std::nullopt;
    }
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + dash, pid);
    if (error != std::errc() || end != rest.data() + dash || pid <= 0) {
        return std::nullopt;
    }
    return pid;
}

// How many outputs of this process are pending now, in any folder.
std::atomic<int> OwnPending = 0;

// Whether the temporaries the process wrote may still be in use. This process's own are not
// while it has no output pending: a run that could not remove them left them (its target folder
// was made read-only while it wrote).
bool InUse(pid_t pid) {
    if (pid == getpid()) {
        return OwnPending > 0;
    }
    return kill(pid, 0) == 0 || errno != ESRCH;
}

} // namespace

void RemoveDeadRunsTemporaries(const std::string& folder) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir) {
        return;
    }
    std::vector<std::string> dead;
    while (const dirent* entry = readdir(dir.get())) {
        const std::optional<pid_t> writer = WriterOnThisMachine(entry->d_name);
        if (writer && !InUse(*writer)) {
            dead.emplace_back(entry->d_name);
        }
    }
    for (const std::string& name : dead) {
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(folder) / name, ignored);
    }
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

PendingOutput::PendingOutput(const std::string& targetPath, const std::string& seenFolder)
    : m_target(targetPath) {
    const std::filesystem::path folder =
        seenFolder.empty() ? m_target.parent_path() : std::filesystem::path(seenFolder);
    std::string pattern = (folder / (OwnTempStart() + "XXXXXX")).string();
    ++OwnPending;
    if (mkdtemp(pattern.data()) != nullptr) {
        m_folder = pattern;
        // The output keeps the target's extension: some formats name their companion files by
        // replacing it.
        m_tempPath =
            (m_folder / (std::string(OutputStem) + m_target.extension().string())).string();
    }
}

PendingOutput::~PendingOutput() {
    --OwnPending;
    if (Ready()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
}

bool PendingOutput::HasContent() const {
    std::error_code error;
    const auto size = std::filesystem::file_size(m_tempPath, error);
    return !error && size > 0;
}

bool PendingOutput::DiskFull() const {
    std::error_code error;
    const std::filesystem::space_info space = std::filesystem::space(m_tempPath, error);
    // The administrator may also write into the blocks kept back from other users.
    const std::uintmax_t room = geteuid() == 0 ? space.free : space.available;
    return !error && room < FullBelowBytes;
}

std::vector<PendingOutput::Move> PendingOutput::WrittenFiles() const {
    std::vector<Move> moves;
    if (!Ready()) {
        return moves;
    }
    const std::string companionStart = std::string(OutputStem) + ".";
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(m_folder.c_str()), closedir);
    if (!dir) {
        return moves;
    }
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name == OutputStem || name.starts_with(companionStart)) {
            std::filesystem::path to = m_target;
            to.replace_extension(name.substr(std::string_view(OutputStem).size()));
            moves.push_back({m_folder / name, to});
        }
    }
    return moves;
}

bool PendingOutput::Commit(const std::vector<std::string>& protectedPaths) {
    std::vector<Move> moves = WrittenFiles();
    const bool touchesProtected = std::ranges::any_of(moves, [&](const Move& move) {
        return std::ranges::any_of(
            protectedPaths, [&](const std::string& path) { return SameFile(move.to, path); });
    });
    if (touchesProtected) {
        return false;
    }
    // The output itself moves last, so that it appears only with all its companions in place.
    // (Not the ranges form: clang 14, which builds the fuzz targets, cannot compile its result
    // with this standard library.)
    std::stable_partition(moves.begin(), moves.end(), [this](const Move& move) {
        return move.from != std::filesystem::path(m_tempPath);
    });
    for (const Move& move : moves) {
        GivePermissions(move.from, move.to);
        std::error_code error;
        std::filesystem::rename(move.from, move.to, error);
        if (error) {
            return false;
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
    m_folder.clear();
    return true;
}

} // namespace tolk
