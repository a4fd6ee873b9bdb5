#include "app/TOptionsFrm.h"

#include "app/DesignPlacement.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace tolk {
namespace {

// Every label of this dialog is one line high, its text fitted into its design width.
QLabel* Label(QWidget* parent, const char* name, const QString& caption, int left, int top,
              int width) {
    QLabel* label = PlaceLabel(parent, name, caption, left, top, width, 13);
    FitLineToDesignWidth(label);
    return label;
}

QLineEdit* Edit(QWidget* parent, const char* name, int top) {
    return Place(new QLineEdit(parent), name, 104, top, 105, 21);
}

} // namespace

TOptionsFrm::TOptionsFrm(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("OptionsFrm"));
    setWindowTitle(tr("TOLK Driver Options"));
    setFont(DesignFont(11));
    CreateControls();
    SetTabOrder();
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        OKBtnClick();
        accept();
    });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
    // Placed as designed: outer size 254 x 364 at 471, 201 on the screen, frame included.
    m_placement.Place({471, 201, 471 + 254, 201 + 364});
}

void TOptionsFrm::CreateControls() {
    Label6 = PlaceLabel(this, "Label6", tr("Set initial parameters"), 40, 16, 149, 20);
    Label6->setFont(DesignFont(16));
    FitLineToDesignWidth(Label6);
    Label1 = Label(this, "Label1", tr("Latitude (degs)"), 16, 56, 70);
    edlat = Edit(this, "edlat", 56);
    Label2 = Label(this, "Label2", tr("Longitude (degs)"), 16, 88, 79);
    edlong = Edit(this, "edlong", 88);
    Label5 = Label(this, "Label5", tr("Heading (degs)"), 16, 120, 72);
    edheading = Edit(this, "edheading", 120);
    Label3 = Label(this, "Label3", tr("Step (metres)"), 16, 152, 62);
    edstep = Edit(this, "edstep", 152);
    Label4 = Label(this, "Label4", tr("Change Heading"), 16, 184, 80);
    eddelta = Edit(this, "eddelta", 184);
    Label7 = Label(this, "Label7", tr("Random (+/- deg)"), 16, 216, 84);
    edrandheading = Edit(this, "edrandheading", 216);
    Label8 = Label(this, "Label8", tr("Period (secs)"), 16, 248, 61);
    edperiod = Edit(this, "edperiod", 248);
    NameByLabel(Label1, edlat);
    NameByLabel(Label2, edlong);
    NameByLabel(Label5, edheading);
    NameByLabel(Label3, edstep);
    NameByLabel(Label4, eddelta);
    NameByLabel(Label7, edrandheading);
    NameByLabel(Label8, edperiod);

    OKBtn = Place(new QPushButton(tr("OK"), this), "OKBtn", 32, 296, 65, 33);
    OKBtn->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    OKBtn->setDefault(true);
    CloseBtn = Place(new QPushButton(tr("&Close"), this), "CloseBtn", 144, 296, 65, 33);
    CloseBtn->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
}

void TOptionsFrm::SetTabOrder() {
    QWidget* const order[] = {edlat, edlong,   edstep,        eddelta, edheading,
                              OKBtn, CloseBtn, edrandheading, edperiod};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void TOptionsFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TOptionsFrm::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    m_placement.MeetPending();
}

void TOptionsFrm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    m_placement.MeetPending();
}

void TOptionsFrm::keyPressEvent(QKeyEvent* event) {
    // No button of this dialog answers Escape, so the key leaves it open.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TOptionsFrm::FormShow() {
    edlat->setText(QStringLiteral("dummy"));
}

void TOptionsFrm::OKBtnClick() {
    edlat->setText(QStringLiteral("dummy"));
}

} // namespace tolk
