#pragma once

#include "convert/ChoiceList.h"
#include "core/Messenger.h"
#include "core/ReferenceData.h"

#include <string>

namespace tolk {

inline constexpr const char* DatumFileName = "DATUMS.TXT";
inline constexpr const char* GridFileName = "GRIDS.TXT";

/// Reads "DATUMS.TXT" and "GRIDS.TXT" of the program in exeFolder (with its trailing "/"; the
/// files lie beside it or in its data folder, see DataFilePath), once at start-up: every name as
/// it comes, and how far each file could be read.
ReferenceData ReadReferenceData(const std::string& exeFolder);

/// Fills the datum list with "(no change)" and the datums read from the program's "DATUMS.TXT",
/// then makes the last item equal to the datum (by the reference names' comparison) current:
/// item 0 for an empty datum, none when nothing matches. A file that could not be opened gives
/// one message "Could not open file " + path and leaves the list as it stands, with no current
/// item; one cut short by a read error gives the message after its names, with none current.
void LoadDatumList(ChoiceList& list, const ReferenceData& reference, const std::string& exeFolder,
                   const std::string& datum, Messenger& messenger);

/// The same for the grid list: "(no change)", the five fixed grids, then the grids of the
/// program's "GRIDS.TXT".
void LoadGridList(ChoiceList& list, const ReferenceData& reference, const std::string& exeFolder,
                  const std::string& grid, Messenger& messenger);

/// The user picked in the datum or grid list: item 0 clears the value, whatever it shows; any
/// other item sets the value to the item's text.
void ReferencePicked(const ChoiceList& list, std::string& value);

} // namespace tolk
