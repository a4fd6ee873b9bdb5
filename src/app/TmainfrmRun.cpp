// The conversion commands' side of the window: the checks, the run off the window's thread,
// what it shows, and Stop.
#include "app/Tmainfrm.h"
#include "core/Text.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

namespace tolk {

void Tmainfrm::ConnectRunHandlers() {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("StopShortcut"));
    connect(escape, &QShortcut::activated, this, [this] { StopRun(); });
    connect(&m_runner, &WindowRunner::NewsShown, this, [this] { ShowListNews(); });
    connect(&m_runner, &WindowRunner::Ended, this,
            [this](const RunTotals& totals) { Guarded([&] { RunEnded(totals); }); });
}

bool Tmainfrm::RunChecksPass() {
    ConversionSettings& settings = m_records.Settings;
    if (auto edited = TakeEditedTargetFolder()) {
        settings.TargetFldr = *edited;
    }
    return CheckBeforeRun(settings, m_records.Host, m_services.messenger) == RunCheck::Passed;
}

void Tmainfrm::StartRun(RunCommand command, std::vector<std::string> names) {
    statuslbl->setToolTip({});
    // Convert All tells every file's outcome anew; Convert Selected only its file's.
    m_runFirstRow = command == RunCommand::ConvertAll ? 0 : m_files.CurrentIndex();
    if (command == RunCommand::ConvertAll) {
        ClearFileOutcomes();
    }
    m_runClock.start();
    ShowRunning(true);
    m_runner.Start(command, m_records.Settings, std::move(names), m_records.WorkFolder);
}

void Tmainfrm::RunEnded(const RunTotals& totals) {
    NoticeRunEnd(totals);
    ShowRunning(false);
    if (totals.failure) {
        statuslbl->setToolTip(QString::fromStdString(PrintableLines(*totals.failure)));
    }
    // After a stop the highlight waits on the file to go on with.
    if (totals.resumeAt && *totals.resumeAt < m_files.Count()) {
        m_files.SetCurrentIndex(*totals.resumeAt);
    }
    if (!totals.failure) {
        BringToFront();
    }
    if (m_closeAfterRun) {
        close();
    }
}

// During a run every control that changes the settings or starts another command is disabled,
// and "Convert All" becomes "Stop".
void Tmainfrm::ShowRunning(bool running) {
    convall->setText(running ? tr("Stop") : tr("Convert All"));
    if (!running) {
        for (const auto& [control, enabled] : m_heldControls) {
            control->setProperty("enabled", enabled);
        }
        m_heldControls.clear();
        return;
    }
    QObject* const held[] = {OpenTOLKBtn, refreshdatabtn, openbtn,      CloseWinBtn, refreshmapbtn,
                             savebtn,     browsebtn,      cbopenExt,    cbmerge1,    cbdatums,
                             cbgrids,     ebtarget,       browsetarget, convone,     cbtargext,
                             cbtargassrc, FileListBox1,   skipbtn,      mnuOpen,     mnuOptions};
    for (QObject* control : held) {
        m_heldControls.emplace_back(control, control->property("enabled").toBool());
        control->setProperty("enabled", false);
    }
}

void Tmainfrm::StopRun() {
    m_runner.Stop();
}

void Tmainfrm::ShowStatus(const std::string& text) {
    statuslbl->setText(QString::fromStdString(PrintableName(text)));
}

// The note on the run stands under the summary as its tool tip, as a file's reason does under
// its status.
void Tmainfrm::ShowNote(const std::string& text) {
    const std::string log =
        m_records.WorkFolder.empty() ? "" : tr("; see conversion.log").toStdString();
    statuslbl->setToolTip(QString::fromStdString(text + log));
}

// A box holds the run; the list behind it shows every file done before it.
void Tmainfrm::ShowMessage(const std::string& text) {
    ShowListNews();
    m_services.messenger.ShowMessage(text);
}

void Tmainfrm::ReportError(const std::string& message) {
    ShowListNews();
    m_services.messenger.ReportError(message);
}

void Tmainfrm::FileDone(int index, const FileOutcome& outcome) {
    if (outcome.closeResult) {
        ShowResultCode(*outcome.closeResult);
    }
    ShowFileOutcome(index, outcome);
    statuslbl->setToolTip(QString::fromStdString(PrintableLines(OutcomeNotes(outcome))));
    if (!outcome.failure) {
        Guarded([this] { m_files.SetCurrentIndex(m_files.CurrentIndex() + 1); });
    }
}

} // namespace tolk
