#pragma once

#include "app/AppServices.h"
#include "app/FileListNews.h"
#include "app/OuterPlacement.h"
#include "app/ProgramRecords.h"
#include "app/WindowRunner.h"
#include "convert/RunSink.h"
#include "convert/SourceFileList.h"
#include "core/ErrorReport.h"
#include "settings/FolderPicker.h"

#include <QElapsedTimer>
#include <QWidget>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;

namespace tolk {

class RunEndNotice;

/// The main window. A thin shell: each handler hands its work to the modules.
class Tmainfrm : public QWidget, private RunSink, private FileListView {
    Q_OBJECT

public:
    /// Creates the window and runs the start-up sequence.
    Tmainfrm(ProgramRecords& records, AppServices& services);
    ~Tmainfrm() override;

    bool Connected() const { return m_connected; }
    const std::string& SettingsPath() const { return m_settingsPath; }
    SourceFileList& FileList() { return m_files; }
    /// Whether a conversion command is running (off the window's thread).
    bool Running() const { return m_runner.Running(); }

    void ArrangeControls();
    void ApplyTargetAsSource();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateControls();
    void CreateLabels();
    /// The notice's red, readable on the window's background; again when the colours change.
    void ColourNotice();
    void CreateMenu();
    void SetTabOrder();
    void ConnectHandlers();
    void ConnectListHandlers();
    void ConnectBrowseHandlers();
    void ConnectHelpHandlers();
    void ConnectDiagnosticHandlers();
    void ConnectRunHandlers();
    void ConnectOutcomeHandlers();

    void FormCreate();
    void FindFolders();
    void LoadSettingsFile();
    void SaveSettingsFile();
    void FillLists();
    void RefreshFileList();
    void CreateHostLink();
    void ShowHostVersion();
    void FormShow();
    void FormClose();
    bool CloseDuringRun();
    void FormResize();

    void convoneClick();
    void convallClick();
    void skipbtnClick();
    void cbtargassrcClick();
    void cbopenExtChange();
    void cbtargextChange();
    void cbmerge1Change();
    void cbgridsChange();
    void cbdatumsChange();
    void OfferFormatChoice(const std::string& type, FormatUse use);
    void OfferPendingFormatChoice();
    void Timer1Timer();
    bool RunChecksPass();
    void StartRun(RunCommand command, std::vector<std::string> names);
    void RunEnded(const RunTotals& totals);
    void ShowRunning(bool running);
    void StopRun();
    /// Each file's mark and reason in the list, its context menu, and the desktop's notice.
    void ShowFileOutcome(int index, const FileOutcome& outcome);
    /// Shows in the file list what the run gathered for it.
    void ShowListNews();
    void ClearFileOutcomes();
    void ShowFileMenu(QListWidgetItem* item, const QPoint& atInList);
    void ShowOutcomeMenu(const QPoint& atOnScreen, const QString& reason);
    void NoticeRunEnd(const RunTotals& totals);
    /// Takes the folder as the source folder, as the Browse button does with the one chosen.
    void SetSourceFolder(const std::string& folder);
    void browsebtnClick();
    void browsetargetClick();
    void BitBtn1Click();
    void mnuOptionsClick();
    void OpenTOLKBtnClick();
    void refreshdatabtnClick();
    void refreshmapbtnClick();
    void OpenbtnClick();
    void savebtnClick();
    void CloseWinBtnClick();
    void mnuOpenClick();

    void PlaceOnScreen(const WindowBounds& bounds);
    /// Takes the frame into account once it is known; true when that changed the window's size.
    bool FollowFrame();
    void DeclareMinimumSize();
    void FitLabelsToText();

    /// Runs a handler so that any failure goes to the default error report, never into Qt.
    template <class Action>
    void Guarded(Action&& action) {
        RunGuarded(m_services.messenger, std::forward<Action>(action));
    }

    // RunSink
    void ShowStatus(const std::string& text) override;
    void ShowNote(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    void FileDone(int index, const FileOutcome& outcome) override;
    void ReportError(const std::string& message) override;

    /// Writes a host result code, in decimal, into the result field.
    void ShowResultCode(std::int32_t code);
    /// The target folder text if the user edited it since the last call; clears the mark.
    std::optional<std::string> TakeEditedTargetFolder();
    /// Processes pending window messages, then shows the main window and brings it to the front.
    void BringToFront();

    // FileListView
    void ShowNames(const std::vector<std::string>& names) override;
    void ShowCurrentIndex(int index) override;
    void ShowCounts(const std::string& statusText, const std::string& labelText) override;

    ProgramRecords& m_records;
    AppServices& m_services;
    SourceFileList m_files;
    /// The controls a run disabled, with whether each was enabled before.
    std::vector<std::pair<QObject*, bool>> m_heldControls;
    bool m_closeAfterRun = false;
    /// The list row of the run's first file; how long the run has taken.
    int m_runFirstRow = 0;
    QElapsedTimer m_runClock;
    /// What the run has yet to show in the file list.
    FileListNews m_listNews;
    RunEndNotice* m_runEndNotice = nullptr;
    std::string m_settingsPath;
    bool m_connected = false;
    bool m_shown = false;
    FolderPicker m_picker;
    OuterPlacement m_placement{*this};

    // The components, under their component names.
    QLineEdit* returncode = nullptr;
    QPushButton* OpenTOLKBtn = nullptr;
    QPushButton* refreshdatabtn = nullptr;
    QLineEdit* ebsource = nullptr;
    QPushButton* openbtn = nullptr;
    QPushButton* CloseWinBtn = nullptr;
    QPushButton* browsebtn = nullptr;
    QPushButton* refreshmapbtn = nullptr;
    QPushButton* savebtn = nullptr;
    QComboBox* cbopenExt = nullptr;
    QComboBox* cbmerge1 = nullptr;
    QComboBox* cbdatums = nullptr;
    QComboBox* cbgrids = nullptr;
    QLineEdit* ebtarget = nullptr;
    QPushButton* browsetarget = nullptr;
    QPushButton* convone = nullptr;
    QComboBox* cbtargext = nullptr;
    QCheckBox* cbtargassrc = nullptr;
    QListWidget* FileListBox1 = nullptr;
    QPushButton* skipbtn = nullptr;
    QPushButton* convall = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QLabel* connectlbl = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* statuslbl = nullptr;
    QLabel* filelistlbl = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QMenu* mnufile = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuOptions = nullptr;
    QTimer* Timer1 = nullptr;

    /// The type last picked, offered formats once it has stayed picked for a moment.
    QTimer* m_formatOfferTimer = nullptr;
    std::string m_formatOfferType;
    FormatUse m_formatOfferUse = FormatUse::Read;

    /// Last, so that a run still going ends before anything it uses goes.
    WindowRunner m_runner{*this, m_records.Host, m_services.createHost, m_services.conversionJobs};
};

} // namespace tolk
