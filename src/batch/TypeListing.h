#pragma once

#include "host/HostConnection.h"

#include <string>

namespace tolk {

/// Every file type the window's lists offer, in alphabetical order, one line each: the type, the
/// host's formats for reading it and those for writing it ("-" for none), in columns.
std::string TypeListing(const HostConnection& host);

} // namespace tolk
