#include "host/landing/OutputClaims.h"

#include "core/Translate.h"
#include "host/landing/OutputFolders.h"

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
// source of each name. A name is reserved under the lock and claimed on disk outside it, so that
// no job waits on another's disk.
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
        const fs::path folder = FolderKey(output.parent_path());
        const std::string name = output.filename().string();
        fs::path holder;
        {
            const std::lock_guard lock(m_mutex);
            Folder& held = m_folders[folder];
            if (const auto own = held.sources.find(name); own != held.sources.end()) {
                return own->second == source
                           ? std::nullopt
                           : std::optional<std::string>(
                                 Tr("Host", "its output %1 is written from %2 in this run",
                                    {name, own->second}));
            }
            held.sources[name] = source;
            holder = held.holder;
        }
        if (holder.empty()) {
            holder = Holder(folder);
        }
        // Without a holder the commit says why nothing can be written there.
        const Linked linked = holder.empty() ? Linked{} : Link(folder, name, source, holder);
        if (!linked.made) {
            const std::lock_guard lock(m_mutex);
            m_folders[folder].sources.erase(name);
        }
        return linked.clash;
    }

    // A save outside a run has ended: its names go, and with a folder's last name this process's
    // share of the folder. Other jobs' claims stay, whatever they are doing meanwhile.
    void Release(const std::vector<fs::path>& outputs) {
        std::map<fs::path, Folder> released;
        {
            const std::lock_guard lock(m_mutex);
            for (const fs::path& output : outputs) {
                const fs::path folder = FolderKey(output.parent_path());
                const auto held = m_folders.find(folder);
                const std::string name = output.filename().string();
                if (held == m_folders.end() || held->second.sources.erase(name) == 0) {
                    continue;
                }
                released[folder].sources.emplace(name, std::string());
                if (held->second.sources.empty()) {
                    released[folder].holder = held->second.holder;
                    m_folders.erase(held);
                }
            }
        }
        Unlink(released);
    }

    void Drop() {
        std::map<fs::path, Folder> dropped;
        {
            const std::lock_guard lock(m_mutex);
            dropped.swap(m_folders);
        }
        Unlink(dropped);
    }

private:
    struct Folder {
        fs::path holder;
        std::map<std::string, std::string> sources;
    };
    struct Linked {
        bool made = false;
        std::optional<std::string> clash;
    };

    // The hidden output folder that holds this process's claims in the folder: one share of it
    // per folder, whichever job asks first.
    fs::path Holder(const fs::path& folder) {
        const fs::path shared = ShareOutputFolder(folder);
        if (shared.empty()) {
            return {};
        }
        bool spare = false;
        fs::path holder;
        {
            const std::lock_guard lock(m_mutex);
            Folder& held = m_folders[folder];
            spare = !held.holder.empty();
            if (!spare) {
                held.holder = shared;
            }
            holder = held.holder;
        }
        if (spare) {
            LeaveOutputFolder(folder);
        }
        return holder;
    }

    // Makes the claim in one step: written in the holder's folder, then linked under the name.
    static Linked Link(const fs::path& folder, const std::string& name, const std::string& source,
                       const fs::path& holder) {
        std::error_code error;
        fs::create_directory(folder / ClaimsFolder, error);
        const fs::path written = holder / ("claim" + std::to_string(++ClaimNumber));
        std::ofstream(written) << holder.filename().string() << '\n' << source << '\n';
        const fs::path claim = folder / ClaimsFolder / name;
        Linked linked;
        // A claim whose holder is gone is removed and made again; another process may be doing
        // the same, and then one of the two makes it.
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (link(written.c_str(), claim.c_str()) == 0) {
                linked.made = true;
                break;
            }
            if (errno != EEXIST) {
                break; // a name the file system refuses: the commit fails on it too
            }
            const Claim other = ReadClaim(claim);
            if (Held(folder, other.holder) || attempt == 2) {
                if (other.source != source) {
                    linked.clash =
                        Tr("Host", "its output %1 is written from %2 by another running conversion",
                           {name, other.source});
                }
                break;
            }
            fs::remove(claim, error);
        }
        fs::remove(written, error);
        return linked;
    }

    // Removes the claims and leaves the folders they held.
    static void Unlink(const std::map<fs::path, Folder>& folders) {
        for (const auto& [folder, held] : folders) {
            Unlink(folder, held);
            if (!held.holder.empty()) {
                LeaveOutputFolder(folder);
            }
        }
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

void SaveClaimsDone(const std::vector<fs::path>& outputs) {
    if (!RunOpen) {
        Claims::Instance().Release(outputs);
    }
}

void DropClaims() {
    RunOpen = false;
    Claims::Instance().Drop();
}

} // namespace tolk
