#pragma once

#include "RecordingSink.h"
#include "convert/ConversionLoop.h"
#include "convert/RunChecks.h"
#include "convert/RunPresenter.h"

namespace tolk::testing {

/// "Convert All" as the window runs it, but on the calling thread: the three checks, then the
/// loop over the names with one job per host, shown through the sink.
inline void ConvertAllNow(ConversionSettings& settings, const std::vector<std::string>& names,
                          std::vector<HostConnection*> hosts, RecordingSink& sink,
                          Messenger& messenger) {
    if (CheckTargetFolder(settings, messenger) && CheckTypeConflicts(settings, messenger) &&
        CheckRunRefusals(settings, *hosts.front(), messenger)) {
        ConversionLoop loop(settings, names, std::move(hosts));
        ConvertAndShow(loop, RunCommand::ConvertAll, sink);
    }
}

} // namespace tolk::testing
