#include "convert/TypeLists.h"

#include "convert/FileTypes.h"
#include "core/Translate.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace tolk {
namespace {

using TypeTable = std::span<const std::string_view>;

void AddAll(ChoiceList& list, TypeTable table) {
    for (const std::string_view type : table) {
        list.Add(std::string(type));
    }
}

// The index of the last entry equal to the type, -1 when none is.
int LastEqual(TypeTable table, const std::string& type) {
    const auto found = std::find(table.rbegin(), table.rend(), type);
    return static_cast<int>(table.rend() - found) - 1;
}

void FillTypeList(ChoiceList& list, TypeTable table, const std::string& type) {
    list.Clear();
    AddAll(list, table);
    list.SetCurrentIndex(std::max(LastEqual(table, type), 0));
}

} // namespace

void FillTypeLists(ChoiceList& sourceList, ChoiceList& mergeList, ChoiceList& targetList,
                   const ConversionSettings& settings) {
    FillTypeList(sourceList, FileTypeTable, settings.SourceExt);

    mergeList.Clear();
    mergeList.Add(Tr("Convert", "(none)"));
    AddAll(mergeList, FileTypeTable);
    // Table position k is list item k, "(none)" being item 0.
    mergeList.SetCurrentIndex(LastEqual(FileTypeTable, settings.MergeExt) + 1);

    FillTypeList(targetList, TargetTypeTable, settings.TargetExt);
}

void TypePicked(const ChoiceList& list, std::string& type) {
    const int index = list.CurrentIndex();
    if (index >= 0) {
        type = list.TextAt(index);
    }
}

void MergeTypePicked(const ChoiceList& list, std::string& mergeType) {
    const int index = list.CurrentIndex();
    if (index == 0) {
        mergeType.clear();
    } else if (index > 0 && index <= static_cast<int>(FileTypeTable.size())) {
        mergeType = FileTypeTable[static_cast<std::size_t>(index - 1)];
    }
}

} // namespace tolk
