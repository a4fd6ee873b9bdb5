#pragma once

#include "core/ReferenceData.h"
#include "host/HostLink.h"
#include "host/formats/TypeFormatMap.h"

#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// Which datums and grids the host accepts and which a target's format can carry, and why a
/// run would be refused before it starts. Looks at the host's formats and reference data, which
/// it does not own: make one for each question.
class CarryRules {
public:
    CarryRules(const TypeFormatMap& formats, const ReferenceData& reference);

    /// The engine's name of the offered datum `name`; none when it is not offered.
    std::optional<std::string> OfferedDatum(const std::string& name) const;
    /// The engine's keyword for the offered grid `name`; none when it is not offered.
    std::optional<std::string> GridKeyword(const std::string& name) const;
    /// Why `format`, writing a file of `type`, cannot carry the datum or grid (engine words;
    /// empty for none); empty when it carries both.
    std::vector<std::string> CarryRefusals(const std::string& type, const EngineFormat& format,
                                           const std::string& datum,
                                           const std::string& gridKeyword) const;
    /// Why the target type `targetType` cannot carry the datum or grid; none when it can or when
    /// no format writes it.
    std::optional<std::string> TargetRefusal(const std::string& targetType,
                                             const std::string& datum,
                                             const std::string& gridKeyword) const;
    /// Every reason the run would be refused before the engine runs.
    std::vector<std::string> RunRefusals(const RunRequest& request) const;

private:
    const TypeFormatMap& m_formats;
    const ReferenceData& m_reference;
};

} // namespace tolk
