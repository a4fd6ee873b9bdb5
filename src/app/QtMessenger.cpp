#include "app/QtMessenger.h"

#include "app/AppTitle.h"
#include "core/ErrorReport.h"
#include "core/Text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace tolk {
namespace {

// Room a box needs on the screen beside its text: title bar, margins and the button row.
constexpr int BoxFrameHeight = 160;

// The program's texts break lines with "\r\n"; a Qt label wants "\n" alone. Control characters
// of a name in the text are shown as "?". A text taller than the screen keeps the lines that
// fit, so that the box's buttons stay on the screen.
QString DisplayText(const std::string& text) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int lineHeight = QFontMetrics(QApplication::font("QMessageBox")).lineSpacing();
    const int maxLines =
        screen ? (screen->availableGeometry().height() - BoxFrameHeight) / lineHeight : 40;
    return QString::fromStdString(FirstLines(PrintableLines(text), std::max(1, maxLines)));
}

void ShowBox(QMessageBox::Icon icon, const std::string& text) {
    QMessageBox box(icon, TranslatedTitle(), DisplayText(text));
    box.addButton(QCoreApplication::translate("Messenger", "OK"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace

void QtMessenger::ShowMessage(const std::string& text) {
    ShowBox(QMessageBox::NoIcon, text);
}

bool QtMessenger::AskYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("Messenger", "Confirm"),
                    DisplayText(text));
    QPushButton* yes =
        box.addButton(QCoreApplication::translate("Messenger", "&Yes"), QMessageBox::YesRole);
    QPushButton* no =
        box.addButton(QCoreApplication::translate("Messenger", "&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void QtMessenger::ReportError(const std::string& message) {
    ShowBox(QMessageBox::Critical, ErrorReportText(message));
}

} // namespace tolk
