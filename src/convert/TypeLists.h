#pragma once

#include "convert/ChoiceList.h"
#include "core/ConversionSettings.h"

#include <string>

namespace tolk {

/// Fills the source, merge and target type lists from the type tables and makes the last entry
/// equal to the settings' type current (exact comparison). With no equal entry the first item
/// is current ("txt", or "(none)" in the merge list); the settings keep their values all the
/// same, since filling is not a pick.
void FillTypeLists(ChoiceList& sourceList, ChoiceList& mergeList, ChoiceList& targetList,
                   const ConversionSettings& settings);

/// The user picked in the source or target type list: the type becomes the item's text.
void TypePicked(const ChoiceList& list, std::string& type);

/// The user picked in the merge list: item 0 clears the merge type; item k sets it to source
/// type table entry k.
void MergeTypePicked(const ChoiceList& list, std::string& mergeType);

} // namespace tolk
