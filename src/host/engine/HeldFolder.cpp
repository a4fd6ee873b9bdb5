#include "host/engine/HeldFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSysInfo>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tolk {
namespace {

// A sweep may take a folder between its making and its locking, and remove it; the maker then
// finds it gone and makes another.
constexpr int MakingTries = 5;

int OpenFolder(const std::filesystem::path& path) {
    return open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// Waits for the lock (a sweep holds it only while it looks or removes); true when the folder is
// held and still there, or when its file system takes no locks (it then cannot be swept either).
bool Hold(int fd) {
    int locked = 0;
    do {
        locked = flock(fd, LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    struct stat status {};
    return fstat(fd, &status) == 0 && status.st_nlink > 0;
}

std::string PrivatePrefix() {
    return "tolkconv-" + MachineTag() + "-";
}

// The temporary folder, rid, at the process's first asking, of what killed processes left there.
std::filesystem::path SweptTempRoot();

} // namespace

const std::string& MachineTag() {
    static const std::string tag = [] {
        const QByteArray identity =
            QSysInfo::machineUniqueId() + QSysInfo::machineHostName().toUtf8();
        return QCryptographicHash::hash(identity, QCryptographicHash::Sha1)
            .toHex()
            .left(8)
            .toStdString();
    }();
    return tag;
}

HeldFolder::HeldFolder(const std::filesystem::path& parent, const std::string& prefix) {
    for (int attempt = 0; attempt < MakingTries && m_lock < 0; ++attempt) {
        std::string pattern = (parent / (prefix + "XXXXXX")).string();
        if (mkdtemp(pattern.data()) == nullptr) {
            return;
        }
        const int fd = OpenFolder(pattern);
        if (fd >= 0 && Hold(fd)) {
            m_lock = fd;
            m_path = pattern;
        } else if (fd >= 0) {
            close(fd);
        }
    }
}

HeldFolder::HeldFolder() : HeldFolder(SweptTempRoot(), PrivatePrefix()) {}

HeldFolder::~HeldFolder() {
    if (Made()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
        // Closing gives the lock up: what could not be removed goes with a later sweep.
        close(m_lock);
    }
}

std::string HeldFolder::File(const std::string& name) const {
    return Made() ? (m_path / name).string() : std::string();
}

namespace {

std::filesystem::path SweptTempRoot() {
    static const std::filesystem::path root = [] {
        std::filesystem::path temp = QDir::tempPath().toStdString();
        RemoveUnheldFolders(temp, PrivatePrefix());
        return temp;
    }();
    return root;
}

} // namespace

void RemoveUnheldFolders(const std::filesystem::path& parent, std::string_view prefix) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(parent.c_str()), closedir);
    if (!dir) {
        return;
    }
    std::vector<std::string> names;
    while (const dirent* entry = readdir(dir.get())) {
        if (std::string_view(entry->d_name).starts_with(prefix)) {
            names.emplace_back(entry->d_name);
        }
    }
    for (const std::string& name : names) {
        const std::filesystem::path path = parent / name;
        const int fd = OpenFolder(path);
        if (fd < 0) {
            continue;
        }
        // Removed while held, so that its maker, should it be taking it just now, finds it gone.
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
        close(fd);
    }
}

} // namespace tolk
