#pragma once

#include "convert/ChoiceList.h"
#include "core/Messenger.h"

#include <array>
#include <string>
#include <string_view>

namespace tolk {

inline constexpr const char* DatumFileName = "DATUMS.TXT";
inline constexpr const char* GridFileName = "GRIDS.TXT";

/// The grids every grid list offers before those of "GRIDS.TXT".
inline constexpr std::array<std::string_view, 5> FixedGridNames{
    "LAT LON D", "LAT LON DM", "LAT LON DMS", "UTM/UPS", "Maidenhead"};

/// Fills the datum list with "(no change)" and the datums of exeFolder + "DATUMS.TXT", then
/// makes the last item equal to the datum (ASCII upper case on both sides) current: item 0 for
/// an empty datum, none when nothing matches. A file that cannot be read gives one message
/// "Could not open file " + path and leaves the list as it stands, with no current item.
void LoadDatumList(ChoiceList& list, const std::string& exeFolder, const std::string& datum,
                   Messenger& messenger);

/// The same for the grid list: "(no change)", the five fixed grids, then the grids of
/// exeFolder + "GRIDS.TXT".
void LoadGridList(ChoiceList& list, const std::string& exeFolder, const std::string& grid,
                  Messenger& messenger);

/// The user picked in the datum or grid list: item 0 clears the value, whatever it shows; any
/// other item sets the value to the item's text.
void ReferencePicked(const ChoiceList& list, std::string& value);

} // namespace tolk
