#include "host/GpsBabelHost.h"

#include "core/TolkError.h"

namespace tolk {

std::unique_ptr<HostLink> CreateGpsBabelHost() {
    throw TolkError("No conversion engine is available");
}

} // namespace tolk
