#include "host/OutputClaims.h"

#include "core/Translate.h"
#include "host/OutputFolders.h"

#include <atomic>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <mutex>
#include <sys/file.h>
#include <unistd.h>

namespace tolk {
namespace {

namespace fs = std::filesystem;

const char* const ClaimsFolder = ".tolk-claims";

std::atomic<unsigned long> ClaimNumber = 0;

// A command's run is under way in this process: claims last until it ends.
std::atomic<bool> RunOpen = false;

// A claim's holder (a hidden output folder beside the claims) still lives: it is there and its
// lock cannot be taken.
bool Held(const fs::path& folder, const std::string& holder) {
    const int fd = holder.empty() ? -1
                                  : open((folder / holder).c_str(),
                                         O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0;
    close(fd);
    return held;
}

// One text per folder, however it was named.
fs::path FolderKey(const fs::path& folder) {
    std::error_code error;
    fs::path key = fs::absolute(folder, error).lexically_normal();
    return key.has_filename() ? key : key.parent_path();
}

struct Claim {
    std::string holder;
    std::string source;
};

Claim ReadClaim(const fs::path& path) {
    std::ifstream file(path);
    Claim claim;
    std::getline(file, claim.holder);
    std::getline(file, claim.source);
    return claim;
}

// This process's claims, by target folder: the hidden output folder that holds them, and the
// source of each name.
class Claims {
public:
    static Claims& Instance() {
        static Claims claims;
        return claims;
    }
    ~Claims() {
        for (const auto& [folder, held] : m_folders) {
            Unlink(folder, held);
        }
    }

    std::optional<std::string> Take(const fs::path& output, const std::string& source) {
        const std::lock_guard lock(m_mutex);
        const fs::path folder = FolderKey(output.parent_path());
        const std::string name = output.filename().string();
        Folder& held = m_folders[folder];
        if (const auto own = held.sources.find(name); own != held.sources.end()) {
            return own->second == source
                       ? std::nullopt
                       : std::optional<std::string>(
                             Tr("Host", "its output %1 is written from %2 in this run",
                                {name, own->second}));
        }
        if (held.holder.empty()) {
            held.holder = ShareOutputFolder(folder);
            if (held.holder.empty()) {
                return std::nullopt; // the commit says why nothing can be written there
            }
        }
        return Link(folder, name, source, held);
    }

    void Drop() {
        const std::lock_guard lock(m_mutex);
        for (const auto& [folder, held] : m_folders) {
            Unlink(folder, held);
            if (!held.holder.empty()) {
                LeaveOutputFolder(folder);
            }
        }
        m_folders.clear();
    }

private:
    struct Folder {
        fs::path holder;
        std::map<std::string, std::string> sources;
    };

    // Makes the claim in one step: written in the holder's folder, then linked under the name.
    std::optional<std::string> Link(const fs::path& folder, const std::string& name,
                                    const std::string& source, Folder& held) {
        std::error_code error;
        fs::create_directory(folder / ClaimsFolder, error);
        const fs::path written = held.holder / ("claim" + std::to_string(++ClaimNumber));
        std::ofstream(written) << held.holder.filename().string() << '\n' << source << '\n';
        const fs::path claim = folder / ClaimsFolder / name;
        // A claim whose holder is gone is removed and made again; another process may be doing
        // the same, and then one of the two makes it.
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (link(written.c_str(), claim.c_str()) == 0) {
                held.sources[name] = source;
                break;
            }
            if (errno != EEXIST) {
                break; // a name the file system refuses: the commit fails on it too
            }
            const Claim other = ReadClaim(claim);
            if (Held(folder, other.holder) || attempt == 2) {
                fs::remove(written, error);
                return other.source == source
                           ? std::nullopt
                           : std::optional<std::string>(Tr(
                                 "Host",
                                 "its output %1 is written from %2 by another running conversion",
                                 {name, other.source}));
            }
            fs::remove(claim, error);
        }
        fs::remove(written, error);
        return std::nullopt;
    }

    static void Unlink(const fs::path& folder, const Folder& held) {
        for (const auto& [name, source] : held.sources) {
            std::error_code ignored;
            fs::remove(folder / ClaimsFolder / name, ignored);
        }
        std::error_code ignored;
        fs::remove(folder / ClaimsFolder, ignored); // once no process claims a name there
    }

    std::mutex m_mutex;
    std::map<fs::path, Folder> m_folders;
};

} // namespace

std::optional<std::string> ClaimOutputs(const std::vector<fs::path>& outputs,
                                        const std::string& source) {
    for (const fs::path& output : outputs) {
        if (std::optional<std::string> clash = Claims::Instance().Take(output, source)) {
            return clash;
        }
    }
    return std::nullopt;
}

void RemoveDeadClaims(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator entry(folder / ClaimsFolder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (!Held(folder, ReadClaim(entry->path()).holder)) {
            std::error_code ignored;
            fs::remove(entry->path(), ignored);
        }
    }
    fs::remove(folder / ClaimsFolder, error); // once it holds no claim
}

void HoldClaimsForTheRun() {
    RunOpen = true;
}

void SaveClaimsDone() {
    if (!RunOpen) {
        Claims::Instance().Drop();
    }
}

void DropClaims() {
    RunOpen = false;
    Claims::Instance().Drop();
}

} // namespace tolk
