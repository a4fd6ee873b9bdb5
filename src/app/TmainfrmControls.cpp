// The main window's controls, placed at their design positions in the client area.
#include "app/DesignPlacement.h"
#include "app/DropDownList.h"
#include "app/FileListWidget.h"
#include "app/OutcomeMarks.h"
#include "app/ReadableColour.h"
#include "app/StatusLineAccessible.h"
#include "app/Tmainfrm.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace tolk {
namespace {

constexpr int BoxHeight = 21; // edit boxes and drop-down lists alike
constexpr int FileListRowHeight = 13;
constexpr int StatusFontPixels = 13;
// The status line keeps the design's pale yellow under any colour scheme, so its text takes the
// dark partner that reads on it rather than the scheme's text colour, which may be near-white.
const QColor StatusBackground(255, 255, 153);
const QColor StatusText(Qt::black);
// The notice is red, as dark as it must be on a light window and as light on a dark one.
const QColor NoticeText(Qt::red);

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                    int width, int height) {
    return Place(new QPushButton(caption, parent), name, left, top, width, height);
}

QLineEdit* EditBox(QWidget* parent, const char* name, int left, int top, int width) {
    return Place(new QLineEdit(parent), name, left, top, width, BoxHeight);
}

QComboBox* DropDown(QWidget* parent, const char* name, const QStringList& items, int left, int top,
                    int width) {
    auto* box = Place(new DropDownList(parent), name, left, top, width, BoxHeight);
    box->addItems(items);
    return box;
}

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void MakeStatusLine(QLabel* label) {
    label->setFont(DesignFont(StatusFontPixels));
    label->setAutoFillBackground(true);
    SetColour(label, QPalette::Window, StatusBackground);
    SetColour(label, QPalette::WindowText, StatusText);
    StatusLineAccessible::MarkAsStatusLine(label);
}

} // namespace

void Tmainfrm::CreateControls() {
    returncode = EditBox(this, "returncode", 88, 56, 49);
    OpenTOLKBtn = Button(this, "OpenTOLKBtn", tr("Open TOLK"), 160, 104, 81, 25);
    refreshdatabtn = Button(this, "refreshdatabtn", tr("Refresh Data"), 168, 48, 89, 25);
    refreshdatabtn->setToolTip(tr("Refresh Grid and Map"));
    ebsource = EditBox(this, "ebsource", 8, 80, 297);
    // The source folder changes only through its Browse button; typed text would be ignored.
    ebsource->setReadOnly(true);
    openbtn = Button(this, "openbtn", tr("Open  File"), 264, 0, 73, 33);
    openbtn->setToolTip(tr("GPS opens file"));
    CloseWinBtn = Button(this, "CloseWinBtn", tr("Close TOLK Window"), 304, 0, 121, 33);
    browsebtn = Button(this, "browsebtn", tr("Browse..."), 240, 104, 65, 25);
    refreshmapbtn = Button(this, "refreshmapbtn", tr("Refresh Map"), 312, 8, 89, 25);
    savebtn = Button(this, "savebtn", tr("SaveAs"), 296, 0, 73, 33);
    cbopenExt = DropDown(this, "cbopenExt", {"TXT", "WPT", "PLT"}, 96, 104, 57);
    cbmerge1 = DropDown(this, "cbmerge1", {tr("(none)"), "TXT", "WPT", "PLT"}, 96, 128, 57);
    cbdatums = DropDown(this, "cbdatums", {tr("not yet  implemented")}, 96, 176, 209);
    cbgrids = DropDown(this, "cbgrids", {tr("not yet implemented")}, 96, 152, 209);
    ebtarget = EditBox(this, "ebtarget", 8, 224, 297);
    browsetarget = Button(this, "browsetarget", tr("Browse..."), 240, 248, 65, 25);
    convone = Button(this, "convone", tr("Convert Selected"), 8, 312, 97, 33);
    cbtargext = DropDown(this, "cbtargext", {"TXT", "WPT", "PLT", "KML"}, 96, 248, 57);
    cbtargassrc =
        Place(new QCheckBox(tr("Same as Source folder"), this), "cbtargassrc", 96, 208, 145, 17);
    FileListBox1 = Place(new FileListWidget(this), "FileListBox1", 312, 64, 145, 281);
    FileListBox1->setItemDelegate(new OutcomeMarkDelegate(FileListRowHeight, FileListBox1));
    FileListBox1->setUniformItemSizes(true);
    skipbtn = Button(this, "skipbtn", tr("Skip Selected"), 120, 312, 81, 33);
    convall = Button(this, "convall", tr("Convert All"), 216, 304, 89, 49);
    BitBtn1 = Button(this, "BitBtn1", tr("&Help"), 392, 8, 57, 25);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));

    for (QWidget* hidden :
         std::initializer_list<QWidget*>{returncode, OpenTOLKBtn, refreshdatabtn, openbtn,
                                         CloseWinBtn, refreshmapbtn, savebtn}) {
        hidden->hide();
    }
    CreateLabels();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);
    Timer1->start();
    CreateMenu();
}

void Tmainfrm::CreateLabels() {
    connectlbl = PlaceLabel(this, "connectlbl", tr("NOT Connected"), 8, 4, 78, 13);
    Label1 = PlaceLabel(this, "Label1",
                        tr("Do not run obscuring centre of screen, so that any error messages from "
                           "TOLK will be visible."),
                        8, 24, 220, 26);
    Label1->setWordWrap(true);
    FitLinesToDesignHeight(Label1);
    ColourNotice();
    Label2 = PlaceLabel(this, "Label2", tr("Source Folder"), 8, 60, 66, 13);
    Label4 = PlaceLabel(this, "Label4", tr("Source File Type:"), 8, 108, 83, 13);
    Label5 = PlaceLabel(this, "Label5", tr("Merge with"), 8, 132, 52, 13);
    Label7 = PlaceLabel(this, "Label7", tr("Change Grid to"), 8, 160, 71, 13);
    Label6 = PlaceLabel(this, "Label6", tr("Change Datum to"), 8, 184, 83, 13);
    Label8 = PlaceLabel(this, "Label8", tr("Target Folder"), 8, 208, 63, 13);
    Label9 = PlaceLabel(this, "Label9", tr("Target Type"), 8, 256, 58, 13);
    Label3 = PlaceLabel(this, "Label3", tr("Status"), 8, 284, 30, 13);
    // Their texts never change; a wider substitute font must not push them against the lists
    // beside them.
    for (QLabel* label : {Label2, Label4, Label5, Label7, Label6, Label8, Label9, Label3}) {
        FitLineToDesignWidth(label);
    }
    statuslbl = PlaceLabel(this, "statuslbl", "statuslbl", 40, 280, 265, 21);
    MakeStatusLine(statuslbl);
    filelistlbl = PlaceLabel(this, "filelistlbl", tr("File List"), 312, 48, 35, 13);
    FitLabelsToText();

    // Edit boxes and lists have no caption of their own: they are named by the label beside
    // them. The buddy link lets assistive tools that name a control by its label (drop-down
    // lists on Linux speak their value as their name) find that label.
    NameByLabel(Label2, ebsource);
    NameByLabel(Label8, ebtarget);
    NameByLabel(Label4, cbopenExt);
    NameByLabel(Label5, cbmerge1);
    NameByLabel(Label7, cbgrids);
    NameByLabel(Label6, cbdatums);
    NameByLabel(Label9, cbtargext);
    NameByLabel(filelistlbl, FileListBox1);
}

void Tmainfrm::ColourNotice() {
    SetColour(Label1, QPalette::WindowText,
              ReadableOn(NoticeText, palette().color(QPalette::Window)));
}

void Tmainfrm::CreateMenu() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    mnufile = MainMenu1->addMenu(tr("File"));
    mnufile->setObjectName(QStringLiteral("mnufile"));
    mnufile->menuAction()->setVisible(false);
    mnuOpen = mnufile->addAction(tr("Open...."));
    mnuOpen->setObjectName(QStringLiteral("mnuOpen"));
    mnuOptions = MainMenu1->addAction(tr("Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuOptions->setVisible(false);
    // Every top-level entry is hidden, so the bar itself takes no room.
    MainMenu1->hide();
}

void Tmainfrm::SetTabOrder() {
    QWidget* const order[] = {returncode,  OpenTOLKBtn, refreshdatabtn, ebsource,     openbtn,
                              CloseWinBtn, browsebtn,   refreshmapbtn,  savebtn,      cbopenExt,
                              cbmerge1,    cbdatums,    cbgrids,        ebtarget,     browsetarget,
                              convone,     cbtargext,   cbtargassrc,    FileListBox1, skipbtn,
                              convall,     BitBtn1};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace tolk
