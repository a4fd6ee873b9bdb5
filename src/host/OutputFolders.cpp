#include "host/OutputFolders.h"

#include "host/HeldFolder.h"

#include <map>
#include <memory>
#include <mutex>
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
            share.folder = std::make_unique<HeldFolder>(
                targetFolder, MachineStart() + std::to_string(getpid()) + "-");
            if (!share.folder->Made()) {
                m_shares.erase(targetFolder);
                return {};
            }
        }
        ++share.users;
        return share.folder->Path();
    }

    void Give(const std::filesystem::path& targetFolder) {
        const std::lock_guard lock(m_mutex);
        const auto share = m_shares.find(targetFolder);
        if (share != m_shares.end() && --share->second.users == 0) {
            m_shares.erase(share);
        }
    }

private:
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
