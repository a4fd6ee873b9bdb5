#pragma once

#include "app/OuterPlacement.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tolk {

/// The driver options dialog: edit boxes for a set of initial parameters that nothing reads.
/// Its only actions are to put "dummy" into the latitude box and to close.
class TOptionsFrm : public QDialog {
    Q_OBJECT

public:
    explicit TOptionsFrm(QWidget* owner);

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void SetTabOrder();
    void FormShow();
    void OKBtnClick();

    OuterPlacement m_placement{*this};

    // The components, under their component names.
    QLabel* Label6 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* edlat = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* edlong = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* edheading = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* edstep = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* eddelta = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* edrandheading = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* edperiod = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
};

} // namespace tolk
