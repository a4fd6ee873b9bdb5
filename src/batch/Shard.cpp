#include "batch/Shard.h"

#include "convert/BaseName.h"
#include "core/Text.h"

#include <charconv>
#include <cstdint>

namespace tolk {
namespace {

constexpr int MaxShards = 100000;

std::optional<int> WholeNumber(const char* begin, const char* end) {
    int value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || begin == end || *begin == '-') {
        return std::nullopt;
    }
    return value;
}

// 64-bit FNV-1a: the same on every machine and in every release, which std::hash is not.
std::uint64_t StableHash(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

} // namespace

std::optional<Shard> ParseShard(const std::string& text) {
    const auto slash = text.find('/');
    if (slash == std::string::npos) {
        return std::nullopt;
    }
    const std::optional<int> index = WholeNumber(text.data(), text.data() + slash);
    const std::optional<int> count =
        WholeNumber(text.data() + slash + 1, text.data() + text.size());
    if (!index || !count || *index < 1 || *index > *count || *count > MaxShards) {
        return std::nullopt;
    }
    return Shard{*index, *count};
}

bool InShard(const Shard& shard, const std::string& name) {
    return shard.count == 1 ||
           StableHash(AsciiUpper(BaseName(name))) % static_cast<std::uint64_t>(shard.count) ==
               static_cast<std::uint64_t>(shard.index - 1);
}

} // namespace tolk
