#pragma once

#include <string>
#include <vector>

namespace tolk {

/// A grid the converter offers, with the engine's keyword for it.
struct GridEntry {
    std::string name;
    /// Empty when the engine cannot apply the grid.
    std::string keyword;
    /// Only a way of showing latitude and longitude, not a projection: a format that always holds
    /// degrees carries the positions unchanged.
    bool degrees = false;
};

/// How a reference list file was read.
enum class ReferenceFileState {
    Read,     ///< to its end
    Unopened, ///< not at all
    CutShort, ///< its names up to a read error
};

/// The datum and grid names the converter offers, read once at start-up from DATUMS.TXT and
/// GRIDS.TXT, and the one table of grids: the lists show these names, and the checks and the host
/// accept exactly what is offered here, by the one rule below.
class ReferenceData {
public:
    /// Only the fixed grids; no datum.
    ReferenceData();
    /// The datums and the extra grids as their files list them.
    ReferenceData(std::vector<std::string> datums, const std::vector<std::string>& listedGrids);

    const std::vector<std::string>& Datums() const { return m_datums; }
    /// The five fixed grids, then those of GRIDS.TXT, in order.
    const std::vector<GridEntry>& Grids() const { return m_grids; }
    /// How many of the grids are the fixed ones every grid list shows.
    static std::size_t FixedGridCount();

    /// The offered datum that is the name in ASCII case; nullptr when none is.
    const std::string* OfferedDatum(const std::string& name) const;
    /// The offered grid that is the name in ASCII case; nullptr when none is.
    const GridEntry* OfferedGrid(const std::string& name) const;

    ReferenceFileState datumFile = ReferenceFileState::Read;
    ReferenceFileState gridFile = ReferenceFileState::Read;

private:
    std::vector<std::string> m_datums;
    std::vector<GridEntry> m_grids;
};

} // namespace tolk
