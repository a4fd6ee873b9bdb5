// The two Browse buttons: choosing the source and the target folder; a source folder dropped
// on the window.
#include "app/OutsideFolder.h"
#include "app/Tmainfrm.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QPushButton>

namespace tolk {

void Tmainfrm::ConnectBrowseHandlers() {
    connect(browsebtn, &QPushButton::clicked, this,
            [this] { Guarded([this] { browsebtnClick(); }); });
    connect(browsetarget, &QPushButton::clicked, this,
            [this] { Guarded([this] { browsetargetClick(); }); });
    setAcceptDrops(true);
}

void Tmainfrm::browsebtnClick() {
    const std::string chosen = m_picker.ChooseFolder(
        *m_services.folderDialog, tr("Choose a Source file folder.").toStdString(),
        BrowseStartFolder(m_records.Settings.SourceFldr, m_records.UserFolder));
    if (!chosen.empty()) {
        SetSourceFolder(chosen);
    }
}

void Tmainfrm::SetSourceFolder(const std::string& folder) {
    m_records.Settings.SourceFldr = folder;
    ebsource->setText(QString::fromStdString(folder));
    if (cbtargassrc->isChecked()) {
        ApplyTargetAsSource();
    }
    RefreshFileList();
}

// A folder from a file manager is taken as Browse takes the one chosen; not while a run works
// from the current one.
void Tmainfrm::dragEnterEvent(QDragEnterEvent* event) {
    if (!Running() && DraggedFolder(*event->mimeData())) {
        event->acceptProposedAction();
    }
}

void Tmainfrm::dropEvent(QDropEvent* event) {
    const std::optional<std::string> folder = DraggedFolder(*event->mimeData());
    if (Running() || !folder) {
        return;
    }
    event->acceptProposedAction();
    Guarded([&] { SetSourceFolder(*folder); });
}

void Tmainfrm::browsetargetClick() {
    ConversionSettings& settings = m_records.Settings;
    const std::string chosen = m_picker.ChooseFolder(
        *m_services.folderDialog, tr("Choose a Target file folder.").toStdString(),
        BrowseStartFolder(settings.TargetFldr, m_records.UserFolder));
    if (!chosen.empty()) {
        settings.TargetFldr = chosen;
        ebtarget->setText(QString::fromStdString(chosen));
    }
}

} // namespace tolk
