// The hidden diagnostic commands: each calls one host operation by hand and shows its result.
// Only "Open TOLK" catches a failed call; the others leave it to the default error report, so
// that the host's own description of the failure is what the user sees.
#include "app/Tmainfrm.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace tolk {
namespace {

// A file literally named "filename" with the type as extension: a fixed name to try the host on.
std::string TestFilePath(const std::string& folder, const std::string& type) {
    return folder + "/" + "filename" + "." + type;
}

} // namespace

void Tmainfrm::ConnectDiagnosticHandlers() {
    const std::pair<QPushButton*, void (Tmainfrm::*)()> buttons[] = {
        {OpenTOLKBtn, &Tmainfrm::OpenTOLKBtnClick},
        {refreshdatabtn, &Tmainfrm::refreshdatabtnClick},
        {refreshmapbtn, &Tmainfrm::refreshmapbtnClick},
        {openbtn, &Tmainfrm::OpenbtnClick},
        {savebtn, &Tmainfrm::savebtnClick},
        {CloseWinBtn, &Tmainfrm::CloseWinBtnClick},
    };
    for (const auto& [button, handler] : buttons) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    }
    connect(mnuOpen, &QAction::triggered, this, [this] { Guarded([this] { mnuOpenClick(); }); });
}

void Tmainfrm::OpenTOLKBtnClick() {
    try {
        const std::string version = m_records.Host.GetVersion();
        connectlbl->setText(version.empty()
                                ? tr("NOT CONNECTED")
                                : tr("Connected to: ") + QString::fromStdString(version));
    } catch (const std::exception&) {
        m_services.messenger.ShowMessage(tr("Error in function").toStdString());
    }
}

void Tmainfrm::refreshdatabtnClick() {
    ShowResultCode(m_records.Host.RefreshData());
}

void Tmainfrm::refreshmapbtnClick() {
    ShowResultCode(m_records.Host.RefreshMap());
}

void Tmainfrm::OpenbtnClick() {
    const ConversionSettings& settings = m_records.Settings;
    ShowResultCode(m_records.Host.OpenFile(TestFilePath(settings.SourceFldr, settings.SourceExt)));
}

void Tmainfrm::savebtnClick() {
    const ConversionSettings& settings = m_records.Settings;
    ShowResultCode(
        m_records.Host.SaveFileAs(TestFilePath(settings.TargetFldr, settings.TargetExt)));
}

void Tmainfrm::CloseWinBtnClick() {
    ShowResultCode(m_records.Host.CloseWindow());
}

void Tmainfrm::mnuOpenClick() {
    // Opens the test file whatever the Browse did, also when the user cancelled it.
    browsebtnClick();
    OpenbtnClick();
}

} // namespace tolk
