// The conversion commands' side of the window: the checks, the run off the window's thread,
// what it shows, and Stop.
#include "app/Tmainfrm.h"
#include "convert/RunChecks.h"

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
}

bool Tmainfrm::RunChecksPass() {
    ConversionSettings& settings = m_records.Settings;
    if (auto edited = TakeEditedTargetFolder()) {
        settings.TargetFldr = *edited;
    }
    Messenger& messenger = m_services.messenger;
    return CheckTargetFolder(settings, messenger) && CheckTypeConflicts(settings, messenger) &&
           CheckRunRefusals(settings, m_records.Host, messenger);
}

void Tmainfrm::StartRun(RunCommand command, std::vector<std::string> names) {
    std::vector<HostConnection*> hosts = RunHosts(names.size());
    m_runNames = names;
    if (!m_records.WorkFolder.empty()) {
        m_runLog.emplace(m_records.WorkFolder);
    }
    statuslbl->setToolTip({});
    ShowRunning(true);
    m_background.Start(
        std::make_unique<ConversionLoop>(m_records.Settings, std::move(names), std::move(hosts)),
        command, [this](const RunTotals& totals) {
            Guarded([&] {
                ShowRunning(false);
                m_runLog.reset();
                if (!totals.failure) {
                    BringToFront();
                }
            });
            if (m_closeAfterRun) {
                close();
            }
        });
}

// The program's own host and, for more jobs, hosts of their own made once and kept; a host that
// cannot be made leaves the run with the jobs it has.
std::vector<HostConnection*> Tmainfrm::RunHosts(std::size_t files) {
    const std::size_t jobs = std::max<std::size_t>(
        1, std::min(files, static_cast<std::size_t>(std::max(1, m_services.conversionJobs))));
    while (m_jobHosts.size() + 1 < jobs) {
        try {
            m_jobHosts.emplace_back(m_services.createHost());
        } catch (const std::exception&) {
            break;
        }
    }
    std::vector<HostConnection*> hosts{&m_records.Host};
    for (std::size_t job = 0; job + 1 < jobs && job < m_jobHosts.size(); ++job) {
        hosts.push_back(&m_jobHosts[job]);
    }
    return hosts;
}

// During a run every control that changes the settings or starts another command is disabled,
// and "Convert All" becomes "Stop".
void Tmainfrm::ShowRunning(bool running) {
    convall->setText(running ? QStringLiteral("Stop") : QStringLiteral("Convert All"));
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
    m_background.Stop();
}

void Tmainfrm::ShowStatus(const std::string& text) {
    statuslbl->setText(QString::fromStdString(text));
}

// The note on the run stands under the summary as its tool tip, as a file's reason does under
// its status.
void Tmainfrm::ShowNote(const std::string& text) {
    const std::string log = m_records.WorkFolder.empty() ? "" : "; see conversion.log";
    statuslbl->setToolTip(QString::fromStdString(text + log));
}

void Tmainfrm::ShowMessage(const std::string& text) {
    m_services.messenger.ShowMessage(text);
}

void Tmainfrm::ReportError(const std::string& message) {
    m_services.messenger.ReportError(message);
}

void Tmainfrm::FileDone(int index, const FileOutcome& outcome) {
    const std::string& name = m_runNames[static_cast<std::size_t>(index)];
    if (outcome.closeResult) {
        ShowResultCode(*outcome.closeResult);
    }
    statuslbl->setToolTip(QString::fromStdString(OutcomeNotes(outcome)));
    if (m_runLog) {
        m_runLog->Add(name, outcome);
    }
    if (!outcome.failure) {
        Guarded([this] { m_files.SetCurrentIndex(m_files.CurrentIndex() + 1); });
    }
}

} // namespace tolk
