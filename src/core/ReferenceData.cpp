#include "core/ReferenceData.h"

#include "core/Text.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tolk {
namespace {

struct KnownGrid {
    std::string_view name;
    std::string_view keyword;
    bool degrees;
};

// The grids every grid list shows, in their order, then the grids GRIDS.TXT may add that the
// engine knows. "Maidenhead" is offered but has no engine keyword.
constexpr std::size_t FixedGrids = 5;
constexpr std::array<KnownGrid, 7> KnownGrids{{
    {"LAT LON D", "ddd", true},
    {"LAT LON DM", "dmm", true},
    {"LAT LON DMS", "dms", true},
    {"UTM/UPS", "utm", false},
    {"Maidenhead", "", false},
    {"British Grid (BNG)", "bng", false},
    {"Swiss Grid", "swiss", false},
}};

GridEntry EntryFor(const std::string& name) {
    const auto known = std::ranges::find_if(KnownGrids, [&](const KnownGrid& grid) {
        return SameAsciiCase(name, std::string(grid.name));
    });
    return known == KnownGrids.end() ? GridEntry{name, {}, false}
                                     : GridEntry{name, std::string(known->keyword), known->degrees};
}

} // namespace

ReferenceData::ReferenceData() : ReferenceData({}, {}) {}

ReferenceData::ReferenceData(std::vector<std::string> datums,
                             const std::vector<std::string>& listedGrids)
    : m_datums(std::move(datums)) {
    for (std::size_t fixed = 0; fixed < FixedGrids; ++fixed) {
        m_grids.push_back(EntryFor(std::string(KnownGrids[fixed].name)));
    }
    for (const std::string& name : listedGrids) {
        m_grids.push_back(EntryFor(name));
    }
}

std::size_t ReferenceData::FixedGridCount() {
    return FixedGrids;
}

const std::string* ReferenceData::OfferedDatum(const std::string& name) const {
    const auto offered = std::ranges::find_if(
        m_datums, [&](const std::string& datum) { return SameAsciiCase(datum, name); });
    return offered == m_datums.end() ? nullptr : &*offered;
}

const GridEntry* ReferenceData::OfferedGrid(const std::string& name) const {
    const auto offered = std::ranges::find_if(
        m_grids, [&](const GridEntry& grid) { return SameAsciiCase(grid.name, name); });
    return offered == m_grids.end() ? nullptr : &*offered;
}

} // namespace tolk
