#include "host/reading/CarryRules.h"

#include "core/Text.h"
#include "core/Translate.h"
#include "host/formats/HostReasons.h"

#include <algorithm>

namespace tolk {
namespace {

const char* const DefaultDatum = "WGS 84";

} // namespace

CarryRules::CarryRules(const TypeFormatMap& formats, const ReferenceData& reference)
    : m_formats(formats), m_reference(reference) {}

std::optional<std::string> CarryRules::OfferedDatum(const std::string& name) const {
    // A comma would end the engine's option value and start another option.
    const std::string* offered = m_reference.OfferedDatum(name);
    if (offered == nullptr || offered->find(',') != std::string::npos) {
        return std::nullopt;
    }
    return *offered;
}

std::optional<std::string> CarryRules::GridKeyword(const std::string& name) const {
    const GridEntry* offered = m_reference.OfferedGrid(name);
    if (offered == nullptr || offered->keyword.empty()) {
        return std::nullopt;
    }
    return offered->keyword;
}

std::optional<std::string> CarryRules::TargetRefusal(const std::string& targetType,
                                                     const std::string& datum,
                                                     const std::string& gridKeyword) const {
    const std::optional<FormatChoice> format =
        targetType.empty() ? std::nullopt : m_formats.ForType(targetType);
    if (!format) {
        return std::nullopt;
    }
    const std::vector<std::string> causes =
        CarryRefusals(targetType, format->format, datum, gridKeyword);
    return causes.empty() ? std::nullopt : std::optional<std::string>(causes.front());
}

std::vector<std::string> CarryRules::CarryRefusals(const std::string& type,
                                                   const EngineFormat& format,
                                                   const std::string& datum,
                                                   const std::string& gridKeyword) const {
    // WGS 84 is what every format holds. The degree grids only choose how degrees are shown:
    // a format that always holds degrees carries the positions unchanged. The other grids and
    // datums change the coordinates themselves, which only formats with such an option hold.
    std::vector<std::string> causes;
    if (!datum.empty() && !SameAsciiCase(datum, DefaultDatum) && !format.HasOption("datum")) {
        causes.push_back(Tr("Host", "%1 cannot carry a datum change", {type}));
    }
    const bool degrees = std::ranges::any_of(m_reference.Grids(), [&](const GridEntry& grid) {
        return grid.degrees && grid.keyword == gridKeyword;
    });
    if (!gridKeyword.empty() && !degrees && !format.HasOption("grid")) {
        causes.push_back(Tr("Host", "%1 cannot carry a grid change", {type}));
    }
    return causes;
}

std::vector<std::string> CarryRules::RunRefusals(const RunRequest& request) const {
    std::vector<std::string> causes;
    if (m_formats.ReadersFor(request.sourceType).empty()) {
        causes.push_back(NoReaderReason(request.sourceType));
    }
    if (!request.mergeType.empty() && m_formats.ReadersFor(request.mergeType).empty()) {
        causes.push_back(Tr("Host", "%1 (the merge type)", {NoReaderReason(request.mergeType)}));
    }
    std::optional<std::string> datum;
    if (!request.datum.empty() && !(datum = OfferedDatum(request.datum))) {
        causes.push_back(Tr("Host", "gpsbabel offers no datum \"%1\"", {request.datum}));
    }
    std::optional<std::string> grid;
    if (!request.grid.empty() && !(grid = GridKeyword(request.grid))) {
        causes.push_back(Tr("Host", "gpsbabel has no grid \"%1\"", {request.grid}));
    }
    const std::optional<FormatChoice> target = m_formats.ForType(request.targetType);
    if (!target || !target->format.WritesAny()) {
        causes.push_back(NoWriterReason(request.targetType));
        return causes;
    }
    for (std::string& cause :
         CarryRefusals(request.targetType, target->format, datum.value_or(""), grid.value_or(""))) {
        causes.push_back(std::move(cause));
    }
    return causes;
}

} // namespace tolk
