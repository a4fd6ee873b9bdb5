#pragma once

#include <optional>
#include <string>

namespace tolk {

/// One of N slices of a run's files (--shard K/N), so that N machines can share one archive
/// without talking to each other.
struct Shard {
    int index = 1; ///< K, from 1
    int count = 1; ///< N
};

/// The shard "K/N" names, with 1 <= K <= N <= 100000; none for any other text.
std::optional<Shard> ParseShard(const std::string& text);

/// Whether the file (a name relative to the source folder) is the shard's. The slice depends on
/// the name alone, so that a file stays in its slice when files are added, and on the name
/// without its extension, in ASCII upper case, so that the files that would share a target
/// ("a.gpx", "a.GPX") and a file and its merge partner fall into the same slice.
bool InShard(const Shard& shard, const std::string& name);

} // namespace tolk
