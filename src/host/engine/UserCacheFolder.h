#pragma once

#include <string>

namespace tolk {

/// The folder where the program keeps what it can work out again but would rather not at every
/// start (the user's cache folder + "/Orvane/TOLK"); it may not exist yet. Deleting it loses
/// nothing but time.
std::string UserCacheFolder();

} // namespace tolk
