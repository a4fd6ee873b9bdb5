#include "host/PendingOutput.h"

#include "host/OutputFolders.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <string_view>
#include <unistd.h>

namespace tolk {
namespace {

// Each output's name in the output folder, before its extension: a number of this process's,
// so that companion files the engine writes beside it, which differ only in their extensions,
// are found by it.
std::atomic<unsigned long> OutputNumber = 0;

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

} // namespace

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

PendingOutput::PendingOutput(const std::string& targetPath, const std::string& seenFolder)
    : m_target(targetPath), m_seenFolder(seenFolder.empty() ? m_target.parent_path()
                                                            : std::filesystem::path(seenFolder)) {
    m_folder = ShareOutputFolder(m_seenFolder);
    if (Ready()) {
        m_stem = std::to_string(++OutputNumber);
        // The output keeps the target's extension: some formats name their companion files by
        // replacing it.
        m_tempPath = (m_folder / (m_stem + m_target.extension().string())).string();
    }
}

PendingOutput::~PendingOutput() {
    if (!Ready()) {
        return;
    }
    for (const Move& move : WrittenFiles()) {
        std::error_code ignored;
        std::filesystem::remove(move.from, ignored);
    }
    LeaveOutputFolder(m_seenFolder);
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
    const std::string companionStart = m_stem + ".";
    // The output folder holds only the outputs pending in this target folder.
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(m_folder.c_str()), closedir);
    if (!dir) {
        return moves;
    }
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name == m_stem || name.starts_with(companionStart)) {
            std::filesystem::path to = m_target;
            to.replace_extension(name.substr(m_stem.size()));
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
    return true;
}

} // namespace tolk
