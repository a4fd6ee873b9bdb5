#include "core/TolkError.h"
#include "core/Translate.h"
#include "host/engine/EngineCache.h"
#include "host/engine/EngineLocator.h"
#include "host/formats/HostFormatsFile.h"
#include "host/gpsbabel/GpsBabelHost.h"

#include <algorithm>
#include <map>

namespace tolk {

std::vector<std::unique_ptr<HostLink>> GpsBabelHostFactory::Create(const GpsBabelConfig& config,
                                                                   int count) {
    std::optional<LocatedEngine> engine =
        FindWorkingGpsBabel(config.timeLimit, config.keepEngineAnswers);
    if (!engine) {
        throw TolkError(Tr("Host", "No working gpsbabel was found on PATH"));
    }
    // The user's choices are read anew for every host: they may have changed since the last.
    std::map<std::string, std::string> choices;
    if (!config.workFolder.empty()) {
        choices = ReadHostFormats(config.workFolder + "/" + HostFormatsFileName);
    }
    TypeFormatMap formats(engine->formats, choices);
    for (const auto& [type, choice] : config.formatChoices) {
        formats.Choose(type, choice);
    }
    const std::string identity = EngineIdentity(engine->program);
    if (!m_knowledge || m_knowledge->learned.Version() != engine->version ||
        m_knowledge->engine != identity) {
        m_knowledge =
            std::make_shared<HostKnowledge>(engine->version, LearnedFormatsCacheFile(), identity);
    }
    // Each job runs one engine at a time (or lends it to another's): equal shares keep their sum
    // within the budget.
    const std::size_t budget =
        config.memoryBudgetMb != 0 ? config.memoryBudgetMb : EngineMemoryBudgetMb();
    const std::size_t share = budget / static_cast<std::size_t>(std::max({count, config.jobs, 1}));
    std::vector<std::unique_ptr<HostLink>> hosts;
    for (int host = 0; host < count; ++host) {
        hosts.push_back(
            std::make_unique<GpsBabelHost>(EngineRunner(engine->program, config.timeLimit, share),
                                           engine->version, formats, config, m_knowledge));
    }
    return hosts;
}

std::vector<std::unique_ptr<HostLink>> CreateGpsBabelHosts(const GpsBabelConfig& config,
                                                           int count) {
    return GpsBabelHostFactory().Create(config, count);
}

std::unique_ptr<HostLink> CreateGpsBabelHost(const GpsBabelConfig& config) {
    return std::move(CreateGpsBabelHosts(config, 1).front());
}

} // namespace tolk
