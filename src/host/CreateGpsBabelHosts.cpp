#include "core/TolkError.h"
#include "core/Translate.h"
#include "host/EngineLocator.h"
#include "host/GpsBabelHost.h"
#include "host/HostFormatsFile.h"

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
    if (!m_knowledge || m_knowledge->learned.Version() != engine->version) {
        m_knowledge = std::make_shared<HostKnowledge>(engine->version, LearnedFormatsCacheFile());
    }
    std::vector<std::unique_ptr<HostLink>> hosts;
    for (int host = 0; host < count; ++host) {
        hosts.push_back(
            std::make_unique<GpsBabelHost>(EngineRunner(engine->program, config.timeLimit),
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
