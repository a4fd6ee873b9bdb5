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

} // namespace tolk
