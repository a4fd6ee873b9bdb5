#include "host/OutputFolders.h"

#include <QCryptographicHash>
#include <QString>
#include <QSysInfo>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace tolk {
namespace {

// Hidden, so that the source file list never shows a conversion in progress. The full name is
// the prefix, a tag of this machine, "-", the process number, "-" and a random part.
const char* const FolderPrefix = ".tolk-";

// Eight hexadecimal digits that tell this machine from others that may share a folder, short
// enough that a temporary name is not much longer than the target's own.
std::string MachineTag() {
    const QByteArray identity = QSysInfo::machineUniqueId() + QSysInfo::machineHostName().toUtf8();
    return QCryptographicHash::hash(identity, QCryptographicHash::Sha1)
        .toHex()
        .left(8)
        .toStdString();
}

const std::string& MachineStart() {
    static const std::string start = std::string(FolderPrefix) + MachineTag() + "-";
    return start;
}

// The process that made the output folder of that name on this machine; none for a name of
// another machine's or of another form.
std::optional<pid_t> MakerOnThisMachine(std::string_view name) {
    if (!name.starts_with(MachineStart())) {
        return std::nullopt;
    }
    const std::string_view rest = name.substr(MachineStart().size());
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

// The output folders this process has made, by target folder, with how many outputs use each.
// Process-wide, as the folders are: every host of the process writes through them.
class Shares {
public:
    static Shares& Instance() {
        static Shares shares;
        return shares;
    }

    std::filesystem::path Take(const std::filesystem::path& targetFolder) {
        const std::lock_guard lock(m_mutex);
        Share& share = m_shares[targetFolder];
        if (share.users == 0) {
            std::string pattern =
                (targetFolder / (MachineStart() + std::to_string(getpid()) + "-XXXXXX")).string();
            if (mkdtemp(pattern.data()) == nullptr) {
                m_shares.erase(targetFolder);
                return {};
            }
            share.folder = pattern;
        }
        ++share.users;
        return share.folder;
    }

    void Give(const std::filesystem::path& targetFolder) {
        const std::lock_guard lock(m_mutex);
        const auto share = m_shares.find(targetFolder);
        if (share == m_shares.end() || --share->second.users > 0) {
            return;
        }
        std::error_code ignored;
        std::filesystem::remove_all(share->second.folder, ignored);
        m_shares.erase(share);
    }

    // Whether one of this process's folders of that name is in use.
    bool Uses(const std::string& name) {
        const std::lock_guard lock(m_mutex);
        return std::ranges::any_of(
            m_shares, [&](const auto& entry) { return entry.second.folder.filename() == name; });
    }

private:
    struct Share {
        std::filesystem::path folder;
        int users = 0;
    };
    std::mutex m_mutex;
    std::map<std::filesystem::path, Share> m_shares;
};

bool InUse(pid_t maker, const std::string& name) {
    if (maker == getpid()) {
        return Shares::Instance().Uses(name);
    }
    return kill(maker, 0) == 0 || errno != ESRCH;
}

} // namespace

std::filesystem::path ShareOutputFolder(const std::filesystem::path& targetFolder) {
    return Shares::Instance().Take(targetFolder);
}

void LeaveOutputFolder(const std::filesystem::path& targetFolder) {
    Shares::Instance().Give(targetFolder);
}

void RemoveDeadRunsTemporaries(const std::string& folder) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir) {
        return;
    }
    std::vector<std::string> dead;
    while (const dirent* entry = readdir(dir.get())) {
        const std::optional<pid_t> maker = MakerOnThisMachine(entry->d_name);
        if (maker && !InUse(*maker, entry->d_name)) {
            dead.emplace_back(entry->d_name);
        }
    }
    for (const std::string& name : dead) {
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(folder) / name, ignored);
    }
}

} // namespace tolk
