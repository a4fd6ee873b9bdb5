#pragma once

#include "RecordingSink.h"
#include "convert/ConvertCommand.h"

namespace tolk::testing {

/// "Convert All" as the window runs it, but shown on the calling thread: the checks, then the
/// loop over the names with one job per host, shown through the sink.
inline void ConvertAllNow(ConversionSettings& settings, const std::vector<std::string>& names,
                          std::vector<HostConnection*> hosts, RecordingSink& sink,
                          Messenger& messenger) {
    if (CheckBeforeRun(settings, *hosts.front(), messenger) == RunCheck::Passed) {
        ConvertCommand({RunCommand::ConvertAll, settings, names, std::move(hosts), {}}, sink)
            .RunToEnd();
    }
}

} // namespace tolk::testing
