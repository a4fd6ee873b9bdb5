#include "convert/ReferenceLists.h"

#include "convert/ReferenceFile.h"
#include "core/DataFiles.h"
#include "core/Text.h"
#include "core/Translate.h"

#include <string_view>

namespace tolk {
namespace {

std::vector<std::string> ReadNamesOf(const std::string& path, ReferenceFormat format,
                                     ReferenceFileState& state) {
    std::vector<std::string> names;
    ReferenceFile file(path);
    if (!file.IsOpen()) {
        state = ReferenceFileState::Unopened;
        return names;
    }
    const bool read =
        file.ReadNames(format, [&names](const std::string& name) { names.push_back(name); });
    state = read ? ReferenceFileState::Read : ReferenceFileState::CutShort;
    return names;
}

// Selection compares every item, fixed ones included, so the last equal item wins.
void SelectLastEqual(ChoiceList& list, const std::string& value) {
    int current = value.empty() ? 0 : -1;
    for (int i = 0; !value.empty() && i < list.Count(); ++i) {
        if (SameAsciiCase(list.TextAt(i), value)) {
            current = i;
        }
    }
    list.SetCurrentIndex(current);
}

void FillReferenceList(ChoiceList& list, ReferenceFileState state, const std::string& path,
                       const std::vector<std::string>& names, const std::string& value,
                       Messenger& messenger) {
    if (state != ReferenceFileState::Unopened) {
        list.Clear();
        list.Add(Tr("Convert", "(no change)"));
        for (const std::string& name : names) {
            list.Add(name);
        }
    }
    if (state != ReferenceFileState::Read) {
        messenger.ShowMessage(Tr("Convert", "Could not open file %1", {path}));
        list.SetCurrentIndex(-1);
        return;
    }
    SelectLastEqual(list, value);
}

} // namespace

ReferenceData ReadReferenceData(const std::string& exeFolder) {
    ReferenceFileState datumFile{};
    ReferenceFileState gridFile{};
    std::vector<std::string> datums =
        ReadNamesOf(DataFilePath(exeFolder, DatumFileName), DatumLineFormat, datumFile);
    const std::vector<std::string> grids =
        ReadNamesOf(DataFilePath(exeFolder, GridFileName), GridLineFormat, gridFile);
    ReferenceData reference(std::move(datums), grids);
    reference.datumFile = datumFile;
    reference.gridFile = gridFile;
    return reference;
}

void LoadDatumList(ChoiceList& list, const ReferenceData& reference, const std::string& exeFolder,
                   const std::string& datum, Messenger& messenger) {
    FillReferenceList(list, reference.datumFile, DataFilePath(exeFolder, DatumFileName),
                      reference.Datums(), datum, messenger);
}

void LoadGridList(ChoiceList& list, const ReferenceData& reference, const std::string& exeFolder,
                  const std::string& grid, Messenger& messenger) {
    std::vector<std::string> names;
    for (const GridEntry& entry : reference.Grids()) {
        names.push_back(entry.name);
    }
    FillReferenceList(list, reference.gridFile, DataFilePath(exeFolder, GridFileName), names, grid,
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
