#include "host/engine/EngineCache.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <filesystem>
#include <utility>

namespace tolk {
namespace {

const char* const FileName = "/engine-answers";
const std::string Heading = "TOLK engine answers 1";
// Far beyond any real format list; a larger file is damaged, and is not read into memory.
constexpr qint64 LargestFile = 16 * 1024 * 1024;

// The engine as it lies on the disk now: its path, and the size and modification time of the
// file it names (through any links). Empty when that cannot be told, or cannot be kept on a line.
std::string EngineKey(const std::string& program) {
    std::error_code error;
    const auto size = std::filesystem::file_size(program, error);
    if (error) {
        return {};
    }
    const auto modified = std::filesystem::last_write_time(program, error);
    if (error || program.find('\n') != std::string::npos) {
        return {};
    }
    return program + "\t" + std::to_string(size) + "\t" +
           std::to_string(modified.time_since_epoch().count());
}

// Takes the text up to the next line end off the front of the rest; none without a line end.
std::optional<std::string> TakeLine(std::string& rest) {
    const std::size_t end = rest.find('\n');
    if (end == std::string::npos) {
        return std::nullopt;
    }
    std::string line = rest.substr(0, end);
    rest.erase(0, end + 1);
    return line;
}

std::optional<EngineAnswers> ParseAnswers(std::string text, const std::string& key) {
    const auto heading = TakeLine(text);
    const auto keptKey = TakeLine(text);
    const auto version = TakeLine(text);
    const auto length = TakeLine(text);
    if (!length || *heading != Heading || *keptKey != key || version->empty() ||
        *length != std::to_string(text.size())) {
        return std::nullopt;
    }
    return EngineAnswers{*version, std::move(text)};
}

} // namespace

std::string EngineIdentity(const std::string& program) {
    const std::string key = EngineKey(program);
    return key.empty() ? std::string()
                       : QCryptographicHash::hash(QByteArray::fromStdString(key),
                                                  QCryptographicHash::Sha256)
                             .toHex()
                             .toStdString();
}

EngineCache::EngineCache(std::string folder) : m_file(std::move(folder) + FileName) {}

std::optional<EngineAnswers> EngineCache::Find(const std::string& program) const {
    const std::string key = EngineKey(program);
    QFile file(QString::fromStdString(m_file));
    if (key.empty() || !file.open(QIODevice::ReadOnly) || file.size() > LargestFile) {
        return std::nullopt;
    }
    return ParseAnswers(file.readAll().toStdString(), key);
}

void EngineCache::Keep(const std::string& program, const EngineAnswers& answers) const {
    const std::string key = EngineKey(program);
    if (key.empty() || answers.version.find('\n') != std::string::npos) {
        return;
    }
    const QString path = QString::fromStdString(m_file);
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Written aside and renamed into place, so another start never reads half a file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return;
    }
    const std::string text = Heading + "\n" + key + "\n" + answers.version + "\n" +
                             std::to_string(answers.listing.size()) + "\n" + answers.listing;
    file.write(text.data(), static_cast<qint64>(text.size()));
    file.commit();
}

} // namespace tolk
