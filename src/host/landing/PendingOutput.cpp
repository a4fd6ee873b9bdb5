#include "host/landing/PendingOutput.h"

#include "host/landing/OutputFolders.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <optional>
#include <string_view>
#include <unistd.h>

namespace tolk {
namespace {

// Each output's name in the output folder, before its extension: a number of this process's,
// so that companion files the engine writes beside it, which differ only in their extensions,
// are found by it.
std::atomic<unsigned long> OutputNumber = 0;

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

// A second name, in the output folder, for the file the move will replace; none when there is
// none to replace.
std::optional<std::filesystem::path> KeepOld(const PendingOutput::Move& move) {
    const std::filesystem::path old =
        move.from.parent_path() / ("old-" + move.from.filename().string());
    if (link(move.to.c_str(), old.c_str()) == 0) {
        return old;
    }
    // A file system without second names: the old file steps aside for the moment of the move.
    // Only a file: what else stands there makes the move fail, and stays.
    std::error_code error;
    if (errno != ENOENT && errno != ENAMETOOLONG &&
        std::filesystem::is_regular_file(std::filesystem::symlink_status(move.to, error)) &&
        (std::filesystem::rename(move.to, old, error), !error)) {
        return old;
    }
    return std::nullopt;
}

// All or none: each file replaced is first kept under a second name in the output folder (a
// second link, so that its own name never stands empty), and when one move fails, every file
// moved before it is put back, so that a set half moved never mixes new files with old ones.
// The last move is first made without keeping: once it is made no move is left to fail, and
// a failed one left the file it was to replace untouched (it is then tried as the others are).
bool MoveAllOrNone(const std::vector<PendingOutput::Move>& moves) {
    std::vector<std::optional<std::filesystem::path>> kept;
    bool moved = true;
    for (const PendingOutput::Move& move : moves) {
        GivePermissions(move.from, move.to);
        std::error_code error;
        if (&move == &moves.back() &&
            (std::filesystem::rename(move.from, move.to, error), !error)) {
            break;
        }
        kept.push_back(KeepOld(move));
        std::filesystem::rename(move.from, move.to, error);
        if (error) {
            if (kept.back()) {
                std::filesystem::rename(*kept.back(), move.to, error);
            }
            kept.pop_back();
            moved = false;
            break;
        }
    }
    for (std::size_t index = kept.size(); index-- > 0;) {
        std::error_code ignored;
        if (moved && kept[index]) {
            std::filesystem::remove(*kept[index], ignored);
        } else if (kept[index]) {
            std::filesystem::rename(*kept[index], moves[index].to, ignored);
        } else if (!moved) {
            std::filesystem::remove(moves[index].to, ignored);
        }
    }
    return moved;
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
    // The engine is done with the output before it is moved, so a moved output left nothing.
    for (const Move& move : m_moved ? std::vector<Move>() : WrittenFiles()) {
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

std::optional<std::uintmax_t> PendingOutput::Room() const {
    std::error_code error;
    const std::filesystem::space_info space = std::filesystem::space(m_folder, error);
    if (error) {
        return std::nullopt;
    }
    // The administrator may also write into the blocks kept back from other users.
    return geteuid() == 0 ? space.free : space.available;
}

std::uintmax_t PendingOutput::WrittenBytes() const {
    std::uintmax_t bytes = 0;
    for (const Move& move : WrittenFiles()) {
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(move.from, error);
        bytes += error ? 0 : size;
    }
    return bytes;
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

std::vector<PendingOutput::Move> PendingOutput::Moves() const {
    std::vector<Move> moves = WrittenFiles();
    // The output itself moves last, so that it appears only with all its companions in place.
    // (Not the ranges form: clang 14, which builds the fuzz targets, cannot compile its result
    // with this standard library.)
    std::stable_partition(moves.begin(), moves.end(), [this](const Move& move) {
        return move.from != std::filesystem::path(m_tempPath);
    });
    return moves;
}

bool PendingOutput::Commit(const std::vector<std::string>& protectedPaths) {
    return CommitOutputs({this}, protectedPaths);
}

bool CommitOutputs(const std::vector<PendingOutput*>& outputs,
                   const std::vector<std::string>& protectedPaths) {
    // The first output holds the target's own name: it moves last.
    std::vector<PendingOutput::Move> moves;
    for (auto output = outputs.rbegin(); output != outputs.rend(); ++output) {
        std::ranges::move((*output)->Moves(), std::back_inserter(moves));
    }
    const bool touchesProtected = std::ranges::any_of(moves, [&](const auto& move) {
        return std::ranges::any_of(
            protectedPaths, [&](const std::string& path) { return SameFile(move.to, path); });
    });
    if (touchesProtected || !MoveAllOrNone(moves)) {
        return false;
    }
    for (PendingOutput* output : outputs) {
        output->m_moved = true;
    }
    return true;
}

} // namespace tolk
