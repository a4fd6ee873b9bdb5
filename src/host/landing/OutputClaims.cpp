#include "host/landing/OutputClaims.h"

#include "core/Translate.h"
#include "host/landing/OutputFolders.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <memory>
#include <mutex>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace tolk {
namespace {

namespace fs = std::filesystem;

const char* const ClaimsFolder = ".tolk-claims";

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

// The holder a claim file names: its first line.
std::string HolderIn(int fd) {
    char start[512];
    const ssize_t got = pread(fd, start, sizeof start, 0);
    const std::string_view text(start, got > 0 ? static_cast<std::size_t>(got) : 0);
    return std::string(text.substr(0, text.find('\n')));
}

std::string ClaimHolder(const fs::path& claim) {
    const int fd = open(claim.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    std::string holder = HolderIn(fd);
    close(fd);
    return holder;
}

// The file under which a process claims names in one folder, in its holder's folder: linked under
// every name it claims, so that a claim costs the file system a name rather than a file of its
// own (a file made and freed per output doubled what a run asked of the file system). It begins
// with the holder's name; each name's source is appended before the name is linked, so that
// another process finds the source of any name it finds claimed there.
class ClaimFile {
public:
    explicit ClaimFile(const fs::path& holder)
        : m_path(holder / ("claims" + std::to_string(++Number))) {
        m_fd = open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0644);
        if (m_fd >= 0 && !Append(holder.filename().string() + '\n')) {
            close(m_fd);
            m_fd = -1;
        }
    }
    ~ClaimFile() {
        if (m_fd >= 0) {
            close(m_fd);
        }
        // The names linked to it keep it for as long as they stand.
        std::error_code ignored;
        fs::remove(m_path, ignored);
    }
    ClaimFile(const ClaimFile&) = delete;
    ClaimFile& operator=(const ClaimFile&) = delete;

    bool Made() const { return m_fd >= 0; }
    const fs::path& Path() const { return m_path; }
    /// One write, so that jobs recording at once never mix their records.
    bool Record(const std::string& name, const std::string& source) const {
        std::string record = name;
        record += '\0';
        record += source;
        record += '\0';
        return Append(record);
    }

private:
    static inline std::atomic<unsigned long> Number = 0;

    bool Append(const std::string& text) const {
        return write(m_fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    }

    fs::path m_path;
    int m_fd = -1;
};

// The sources other processes recorded for the names they claim, read from their claim files as
// far as they were written when last looked at, so that a run meeting many of another's claims
// reads each file once.
class OtherSources {
public:
    static OtherSources& Instance() {
        static OtherSources sources;
        return sources;
    }

    std::string Of(const fs::path& claim) {
        const int fd = open(claim.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat file {};
        if (fd < 0 || fstat(fd, &file) != 0) {
            if (fd >= 0) {
                close(fd);
            }
            return {};
        }
        const std::string holder = HolderIn(fd);
        const std::lock_guard lock(m_mutex);
        // A file number is taken again once its file is gone: the holder tells files apart.
        Known& known = m_files[{file.st_dev, file.st_ino}];
        if (known.holder != holder) {
            known = Known{holder, static_cast<off_t>(holder.size() + 1), {}, {}};
        }
        ReadOn(fd, known);
        close(fd);
        const auto source = known.sources.find(claim.filename().string());
        return source == known.sources.end() ? std::string() : source->second;
    }

    /// The run has ended: the claims it met are over.
    void Forget() {
        const std::lock_guard lock(m_mutex);
        m_files.clear();
    }

private:
    struct Known {
        std::string holder;
        off_t read = 0;
        std::string rest; ///< the start of a record not yet whole
        std::unordered_map<std::string, std::string> sources;
    };

    static void ReadOn(int fd, Known& known) {
        char block[65536];
        for (ssize_t got; (got = pread(fd, block, sizeof block, known.read)) > 0;) {
            known.read += got;
            known.rest.append(block, static_cast<std::size_t>(got));
        }
        std::size_t start = 0;
        for (std::size_t nameEnd, sourceEnd;
             (nameEnd = known.rest.find('\0', start)) != std::string::npos &&
             (sourceEnd = known.rest.find('\0', nameEnd + 1)) != std::string::npos;
             start = sourceEnd + 1) {
            known.sources[known.rest.substr(start, nameEnd - start)] =
                known.rest.substr(nameEnd + 1, sourceEnd - nameEnd - 1);
        }
        known.rest.erase(0, start);
    }

    std::mutex m_mutex;
    std::map<std::pair<dev_t, ino_t>, Known> m_files;
};

// This process's claims, by target folder: the hidden output folder that holds them, the file
// linked under their names, and the source of each name. A name is reserved under the lock and
// claimed on disk outside it, so that no job waits on another's disk.
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
        std::shared_ptr<ClaimFile> file;
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
            file = held.file;
        }
        if (!file) {
            file = FileIn(folder);
        }
        // Without a claim file the commit says why nothing can be written there.
        const Linked linked = file ? Link(folder, name, source, std::move(file)) : Linked{};
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
                    released[folder].file = std::move(held->second.file);
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
        std::shared_ptr<ClaimFile> file;
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

    // This process's claim file in the folder, made by whichever job asks first; none when it
    // cannot be made.
    std::shared_ptr<ClaimFile> FileIn(const fs::path& folder) {
        const fs::path holder = Holder(folder);
        if (holder.empty()) {
            return nullptr;
        }
        const std::lock_guard lock(m_mutex);
        return ReplaceFile(m_folders[folder], nullptr);
    }

    // The folder's claim file, made anew when it is still `full` (or none); under the lock, as that
    // happens once per folder, or when the file system allows a file no more names.
    static std::shared_ptr<ClaimFile> ReplaceFile(Folder& held,
                                                  const std::shared_ptr<ClaimFile>& full) {
        if (held.file == full) {
            held.file = std::make_shared<ClaimFile>(held.holder);
            if (!held.file->Made()) {
                held.file.reset();
            }
        }
        return held.file;
    }

    // Makes the claim in one step: the claim file linked under the name, once the name's source
    // is recorded in it.
    Linked Link(const fs::path& folder, const std::string& name, const std::string& source,
                std::shared_ptr<ClaimFile> file) {
        const fs::path claim = folder / ClaimsFolder / name;
        Linked linked;
        // A claim whose holder is gone is removed and made again; another process may be doing
        // the same, and then one of the two makes it.
        bool recorded = file->Record(name, source);
        for (int attempt = 0; attempt < 4 && recorded; ++attempt) {
            if (link(file->Path().c_str(), claim.c_str()) == 0) {
                linked.made = true;
                break;
            }
            std::error_code error;
            if (errno == ENOENT) {
                fs::create_directory(folder / ClaimsFolder, error);
                continue;
            }
            if (errno == EMLINK) { // the file system's most names for one file
                const std::lock_guard lock(m_mutex);
                file = ReplaceFile(m_folders[folder], file);
                recorded = file && file->Record(name, source);
                continue;
            }
            if (errno != EEXIST) {
                break; // a name the file system refuses: the commit fails on it too
            }
            if (Held(folder, ClaimHolder(claim)) || attempt == 3) {
                const std::string other = OtherSources::Instance().Of(claim);
                if (other != source) {
                    linked.clash =
                        Tr("Host", "its output %1 is written from %2 by another running conversion",
                           {name, other});
                }
                break;
            }
            fs::remove(claim, error);
        }
        return linked;
    }

    // Removes the claims and leaves the folders they held.
    static void Unlink(std::map<fs::path, Folder>& folders) {
        for (auto& [folder, held] : folders) {
            Unlink(folder, held);
            held.file.reset();
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
        if (!Held(folder, ClaimHolder(entry->path()))) {
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
    OtherSources::Instance().Forget();
}

} // namespace tolk
