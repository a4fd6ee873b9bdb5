#pragma once

#include "host/LearnedFormats.h"
#include "host/ReaderChoice.h"

#include <string>

namespace tolk {

/// What gpsbabel hosts made together learn while they work and share: the readers that read
/// files of each layout well and the facts learned about formats, for one engine version. Safe to
/// use from the hosts' threads at once.
struct HostKnowledge {
    explicit HostKnowledge(std::string version, std::string cacheFile)
        : learned(std::move(version), std::move(cacheFile)) {}

    ReaderChoice readers;
    LearnedFormats learned;
};

} // namespace tolk
