#pragma once

#include <string>
#include <vector>

namespace tolk {

/// Why a file of `type` cannot be read: no engine format reads it.
std::string NoReaderReason(const std::string& type);

/// Why a file of `type` cannot be written: no engine format writes it.
std::string NoWriterReason(const std::string& type);

/// Why a run read nothing, naming the types the inputs were read as.
std::string NothingReadReason(const std::vector<std::string>& types);

/// Why a file of `type` was not read: each of its `count` candidate readers failed (and `others`
/// of the engine's other readers tried last), the last with `lastSaid` (the engine's words).
std::string NoneReadReason(const std::string& type, std::size_t count, std::size_t others,
                           const std::string& lastSaid);

/// Why a file of `type` was not read: none of the readers tried (`names`, the last `others` of
/// them the engine's other readers tried last) read believable positions from it; `complaint` is
/// what the first of them that failed said ("fmt said: ..."), if one did.
std::string NoneBelievableReason(const std::string& type, const std::vector<std::string>& names,
                                 std::size_t others, const std::string& complaint);

} // namespace tolk
