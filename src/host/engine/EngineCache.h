#pragma once

#include <optional>
#include <string>

namespace tolk {

/// What a working engine answered to the two questions start-up asks: its version line and its
/// machine-readable format list.
struct EngineAnswers {
    std::string version;
    std::string listing;
};

/// The engine as it lies on the disk now, as the cache tells one engine from another (its path,
/// and the size and modification time of the file it names), in letters and digits, so that it
/// can name what is learned about that engine; empty when that cannot be told.
std::string EngineIdentity(const std::string& program);

/// Keeps an engine's answers in a file between starts, so that a start with an unchanged engine
/// runs no engine at all. The answers belong to the engine's path and to the size and
/// modification time of the file it names (an upgrade changes them); a file that is missing,
/// unreadable, damaged or kept for another engine counts as no answers, and Keep() replaces it.
class EngineCache {
public:
    /// The cache file lies in the folder, made when missing.
    explicit EngineCache(std::string folder);

    /// The answers kept for this engine as it is now on the disk, if any.
    std::optional<EngineAnswers> Find(const std::string& program) const;
    /// Keeps the answers for this engine; a cache that cannot be written is left alone, as it
    /// only saves time.
    void Keep(const std::string& program, const EngineAnswers& answers) const;

private:
    std::string m_file;
};

} // namespace tolk
