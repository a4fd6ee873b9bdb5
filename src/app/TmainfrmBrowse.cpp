// The two Browse buttons: choosing the source and the target folder.
#include "app/Tmainfrm.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace tolk {

void Tmainfrm::ConnectBrowseHandlers() {
    connect(browsebtn, &QPushButton::clicked, this,
            [this] { Guarded([this] { browsebtnClick(); }); });
    connect(browsetarget, &QPushButton::clicked, this,
            [this] { Guarded([this] { browsetargetClick(); }); });
}

void Tmainfrm::browsebtnClick() {
    ConversionSettings& settings = m_records.Settings;
    const std::string chosen = m_picker.ChooseFolder(
        *m_services.folderDialog, tr("Choose a Source file folder.").toStdString(),
        BrowseStartFolder(settings.SourceFldr, m_records.UserFolder));
    if (chosen.empty()) {
        return;
    }
    settings.SourceFldr = chosen;
    ebsource->setText(QString::fromStdString(chosen));
    if (cbtargassrc->isChecked()) {
        ApplyTargetAsSource();
    }
    RefreshFileList();
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
