// The type, datum and grid lists and the source file list: filled at start-up, changed by picks.
#include "app/Tmainfrm.h"
#include "convert/ChoiceList.h"
#include "convert/ReferenceLists.h"
#include "convert/TypeLists.h"

#include <QComboBox>

namespace tolk {
namespace {

// A drop-down list as the list logic sees it. Every change made through it blocks the box's
// signals, so that only a user's pick runs a change handler.
class ComboChoices : public ChoiceList {
public:
    explicit ComboChoices(QComboBox* box) : m_box(box) {}

    void Clear() override {
        const QSignalBlocker blocker(m_box);
        m_box->clear();
    }
    void Add(const std::string& text) override {
        const QSignalBlocker blocker(m_box);
        m_box->addItem(QString::fromStdString(text));
    }
    int Count() const override { return m_box->count(); }
    std::string TextAt(int index) const override { return m_box->itemText(index).toStdString(); }
    int CurrentIndex() const override { return m_box->currentIndex(); }
    void SetCurrentIndex(int index) override {
        const QSignalBlocker blocker(m_box);
        m_box->setCurrentIndex(index);
    }

private:
    QComboBox* m_box;
};

} // namespace

void Tmainfrm::FillLists() {
    ComboChoices sourceList(cbopenExt);
    ComboChoices mergeList(cbmerge1);
    ComboChoices targetList(cbtargext);
    FillTypeLists(sourceList, mergeList, targetList, m_records.Settings);
    ComboChoices datumList(cbdatums);
    LoadDatumList(datumList, m_records.Reference, m_records.ExeFolder, m_records.Settings.Datum,
                  m_services.messenger);
    ComboChoices gridList(cbgrids);
    LoadGridList(gridList, m_records.Reference, m_records.ExeFolder, m_records.Settings.Grid,
                 m_services.messenger);
}

void Tmainfrm::RefreshFileList() {
    m_files.RefreshFileList(m_records.Settings.SourceFldr, m_records.Settings.SourceExt);
    ClearFileOutcomes();
}

void Tmainfrm::ConnectListHandlers() {
    // currentIndexChanged, not activated: a handler runs once for each change of the current
    // item, by mouse or keyboard, and not when the user picks the item that is already current.
    const std::pair<QComboBox*, void (Tmainfrm::*)()> handlers[] = {
        {cbopenExt, &Tmainfrm::cbopenExtChange}, {cbtargext, &Tmainfrm::cbtargextChange},
        {cbmerge1, &Tmainfrm::cbmerge1Change},   {cbgrids, &Tmainfrm::cbgridsChange},
        {cbdatums, &Tmainfrm::cbdatumsChange},
    };
    for (const auto& [box, handler] : handlers) {
        connect(box, &QComboBox::currentIndexChanged, this,
                [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    }
}

void Tmainfrm::cbopenExtChange() {
    TypePicked(ComboChoices(cbopenExt), m_records.Settings.SourceExt);
    RefreshFileList();
    OfferFormatChoice(m_records.Settings.SourceExt, FormatUse::Read);
}

void Tmainfrm::cbtargextChange() {
    TypePicked(ComboChoices(cbtargext), m_records.Settings.TargetExt);
    OfferFormatChoice(m_records.Settings.TargetExt, FormatUse::Write);
}

void Tmainfrm::cbmerge1Change() {
    MergeTypePicked(ComboChoices(cbmerge1), m_records.Settings.MergeExt);
    OfferFormatChoice(m_records.Settings.MergeExt, FormatUse::Read);
}

void Tmainfrm::cbgridsChange() {
    ReferencePicked(ComboChoices(cbgrids), m_records.Settings.Grid);
}

void Tmainfrm::cbdatumsChange() {
    ReferencePicked(ComboChoices(cbdatums), m_records.Settings.Datum);
}

} // namespace tolk
