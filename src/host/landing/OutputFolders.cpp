#include "host/landing/OutputFolders.h"

#include "host/engine/HeldFolder.h"

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <unistd.h>

namespace tolk {
namespace {

// Hidden, so that the source file list never shows a conversion in progress. The full name is
// the prefix, a tag of this machine, "-", the process number, "-" and a random part. Only this
// machine's are swept: a file system shared with others may take its locks on each machine
// alone.
std::string MachineStart() {
    return ".tolk-" + MachineTag() + "-";
}

// The output folders this process has made, by target folder, with how many outputs use each.
// Process-wide, as the folders are: every host of the process writes through them. Folders are
// made and removed outside the lock, so that no host waits on another's disk.
class Shares {
public:
    static Shares& Instance() {
        static Shares shares;
        return shares;
    }

    std::filesystem::path Take(const std::filesystem::path& targetFolder) {
        if (std::optional<std::filesystem::path> shared = Join(targetFolder)) {
            return *shared;
        }
        auto made = std::make_unique<HeldFolder>(targetFolder,
                                                 MachineStart() + std::to_string(getpid()) + "-");
        if (!made->Made()) {
            return {};
        }
        const std::lock_guard lock(m_mutex);
        Share& share = m_shares[targetFolder];
        ++share.users;
        // Another output may have made one meanwhile: that one is shared, and this one goes once
        // the lock is released.
        if (!share.folder) {
            share.folder = std::move(made);
        }
        return share.folder->Path();
    }

    void Give(const std::filesystem::path& targetFolder) {
        // The last share's folder goes once the lock is released.
        std::unique_ptr<HeldFolder> last;
        {
            const std::lock_guard lock(m_mutex);
            const auto share = m_shares.find(targetFolder);
            if (share == m_shares.end() || --share->second.users > 0) {
                return;
            }
            last = std::move(share->second.folder);
            m_shares.erase(share);
        }
    }

private:
    // The folder already shared there, with one more share taken; none when there is none.
    std::optional<std::filesystem::path> Join(const std::filesystem::path& targetFolder) {
        const std::lock_guard lock(m_mutex);
        const auto share = m_shares.find(targetFolder);
        if (share == m_shares.end()) {
            return std::nullopt;
        }
        ++share->second.users;
        return share->second.folder->Path();
    }

    struct Share {
        std::unique_ptr<HeldFolder> folder;
        int users = 0;
    };
    std::mutex m_mutex;
    std::map<std::filesystem::path, Share> m_shares;
};

} // namespace

std::filesystem::path ShareOutputFolder(const std::filesystem::path& targetFolder) {
    return Shares::Instance().Take(targetFolder);
}

void LeaveOutputFolder(const std::filesystem::path& targetFolder) {
    Shares::Instance().Give(targetFolder);
}

void RemoveDeadRunsTemporaries(const std::string& folder) {
    RemoveUnheldFolders(folder, MachineStart());
}

} // namespace tolk
