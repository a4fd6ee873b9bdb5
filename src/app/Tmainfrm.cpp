#include "app/Tmainfrm.h"

#include "app/AppTitle.h"
#include "app/DesignPlacement.h"
#include "convert/ReferenceLists.h"
#include "core/DataFiles.h"
#include "core/ErrorReport.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace tolk {
namespace {

const char* const VersionMissingMessage = QT_TRANSLATE_NOOP(
    "Tmainfrm", "Could not find TOLK version 4.20.z or later\r\n"
                "\"Run as Administrator\" the latest version of TOLK at least once and restart "
                "this program.\r\n"
                "See the Help topic in TOLK on \"Installation\".");

} // namespace

Tmainfrm::Tmainfrm(ProgramRecords& records, AppServices& services)
    : m_records(records), m_services(services) {
    setObjectName(QStringLiteral("mainfrm"));
    setWindowTitle(tr("TOLK Batch File Converter V1.3"));
    setFont(DesignFont(11));
    CreateControls();
    SetTabOrder();
    ConnectHandlers();
    m_placement.Place({166, 175, 166 + 477, 175 + 395});
    m_files.AttachView(this);
    Guarded([this] { FormCreate(); });
}

Tmainfrm::~Tmainfrm() {
    m_files.AttachView(nullptr);
}

void Tmainfrm::ConnectHandlers() {
    connect(convone, &QPushButton::clicked, this, [this] { Guarded([this] { convoneClick(); }); });
    connect(convall, &QPushButton::clicked, this, [this] { Guarded([this] { convallClick(); }); });
    connect(skipbtn, &QPushButton::clicked, this, [this] { Guarded([this] { skipbtnClick(); }); });
    connect(cbtargassrc, &QCheckBox::clicked, this,
            [this] { Guarded([this] { cbtargassrcClick(); }); });
    connect(FileListBox1, &QListWidget::currentRowChanged, this,
            [this](int row) { m_files.SetCurrentIndex(row); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    ConnectListHandlers();
    ConnectBrowseHandlers();
    ConnectHelpHandlers();
    ConnectDiagnosticHandlers();
    ConnectRunHandlers();
    ConnectOutcomeHandlers();
}

void Tmainfrm::FormCreate() {
    Timer1->stop();
    FindFolders();
    m_records.HelpFile = DataFilePath(m_records.ExeFolder, HelpFileName);
    m_settingsPath = m_records.SettingsPath();
    LoadSettingsFile();
    if (!m_services.startFolder.empty()) {
        m_records.Settings.SourceFldr = m_services.startFolder;
    }
    PlaceOnScreen(m_records.Settings.WBounds);
    m_records.Reference = ReadReferenceData(m_records.ExeFolder);
    CreateHostLink();
    cbtargassrc->setChecked(m_records.Settings.TargAsSrc);
    ebsource->setText(QString::fromStdString(m_records.Settings.SourceFldr));
    ebtarget->setText(QString::fromStdString(m_records.Settings.TargetFldr));
    ApplyTargetAsSource();
    FillLists();
    RefreshFileList();
    ShowHostVersion();
}

void Tmainfrm::CreateHostLink() {
    try {
        m_records.Host.Attach(m_services.createHost());
    } catch (const std::exception&) {
        m_services.messenger.ShowMessage(tr("Unable to open interface to TOLK.").toStdString());
        close();
    }
}

void Tmainfrm::ShowHostVersion() {
    try {
        const std::string version = m_records.Host.GetVersion();
        m_connected = !version.empty();
        connectlbl->setText(m_connected ? tr("Connected to: ") + QString::fromStdString(version)
                                        : tr("NOT CONNECTED to TOLK"));
    } catch (const std::exception&) {
        m_services.messenger.ShowMessage(
            QCoreApplication::translate("Tmainfrm", VersionMissingMessage).toStdString());
    }
}

void Tmainfrm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Under Wayland Qt draws the frame itself and knows it once the showing is done.
    QMetaObject::invokeMethod(
        this, [this] { Guarded([this] { FollowFrame(); }); }, Qt::QueuedConnection);
    if (!m_shown) {
        m_shown = true;
        Guarded([this] { FormShow(); });
    }
}

void Tmainfrm::FormShow() {
    convone->setEnabled(m_connected);
    convall->setEnabled(m_connected);
    skipbtn->setEnabled(m_connected);
    ArrangeControls();
}

void Tmainfrm::closeEvent(QCloseEvent* event) {
    if (Running() && !CloseDuringRun()) {
        event->ignore();
        return;
    }
    Guarded([this] { FormClose(); });
    event->accept();
}

// Asks whether to stop the run and close; the window closes at once when the run ended while
// the question was open, else once the files in progress are done.
bool Tmainfrm::CloseDuringRun() {
    bool stop = m_closeAfterRun;
    Guarded([&] {
        stop = stop || m_services.messenger.AskYesNo(
                           tr("A conversion is running. Stop it and close the window once the "
                              "files in progress are done?")
                               .toStdString());
    });
    if (!stop || !Running()) {
        return stop;
    }
    m_closeAfterRun = true;
    StopRun();
    return false;
}

void Tmainfrm::FormClose() {
    m_records.Settings.WBounds = m_placement.Outer();
    SaveSettingsFile();
}

void Tmainfrm::convoneClick() {
    if (RunChecksPass()) {
        StartRun(RunCommand::ConvertSelected, {m_files.NameAt(m_files.CurrentIndex())});
    }
}
void Tmainfrm::convallClick() {
    if (Running()) {
        StopRun();
    } else if (RunChecksPass()) {
        StartRun(RunCommand::ConvertAll, m_files.Names());
    } else {
        BringToFront();
    }
}
void Tmainfrm::skipbtnClick() {
    m_files.SetCurrentIndex(m_files.CurrentIndex() + 1);
}
void Tmainfrm::cbtargassrcClick() {
    ApplyTargetAsSource();
}
void Tmainfrm::Timer1Timer() {}

} // namespace tolk
