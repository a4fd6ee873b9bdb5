#include "convert/ReferenceLists.h"

#include "convert/ReferenceFile.h"
#include "core/Text.h"

#include <span>
#include <string_view>

namespace tolk {
namespace {

constexpr std::string_view NoChange = "(no change)";

// Selection compares every item, fixed ones included, so the last equal item wins.
void SelectLastEqual(ChoiceList& list, const std::string& value) {
    const std::string key = AsciiUpper(value);
    int current = -1;
    if (key.empty()) {
        current = 0;
    } else {
        for (int i = 0; i < list.Count(); ++i) {
            if (AsciiUpper(list.TextAt(i)) == key) {
                current = i;
            }
        }
    }
    list.SetCurrentIndex(current);
}

void LoadReferenceList(ChoiceList& list, const std::string& path, ReferenceFormat format,
                       std::span<const std::string_view> fixedItems, const std::string& value,
                       Messenger& messenger) {
    ReferenceFile file(path);
    bool read = false;
    if (file.IsOpen()) {
        list.Clear();
        list.Add(std::string(NoChange));
        for (const std::string_view item : fixedItems) {
            list.Add(std::string(item));
        }
        read = file.ReadNames(format, [&list](const std::string& name) { list.Add(name); });
    }
    if (!read) {
        messenger.ShowMessage("Could not open file " + path);
        list.SetCurrentIndex(-1);
        return;
    }
    SelectLastEqual(list, value);
}

} // namespace

void LoadDatumList(ChoiceList& list, const std::string& exeFolder, const std::string& datum,
                   Messenger& messenger) {
    LoadReferenceList(list, exeFolder + DatumFileName, DatumLineFormat, {}, datum, messenger);
}

void LoadGridList(ChoiceList& list, const std::string& exeFolder, const std::string& grid,
                  Messenger& messenger) {
    LoadReferenceList(list, exeFolder + GridFileName, GridLineFormat, FixedGridNames, grid,
                      messenger);
}

void ReferencePicked(const ChoiceList& list, std::string& value) {
    const int index = list.CurrentIndex();
    if (index == 0) {
        value.clear();
    } else if (index > 0) {
        value = list.TextAt(index);
    }
}

} // namespace tolk
