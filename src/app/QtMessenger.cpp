#include "app/QtMessenger.h"

#include "app/AppTitle.h"
#include "core/ErrorReport.h"

#include <QMessageBox>
#include <QPushButton>

namespace tolk {
namespace {

// The program's texts break lines with "\r\n"; a Qt label wants "\n" alone.
QString DisplayText(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void ShowBox(QMessageBox::Icon icon, const std::string& text) {
    QMessageBox box(icon, QString::fromUtf8(ApplicationTitle), DisplayText(text));
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace

void QtMessenger::ShowMessage(const std::string& text) {
    ShowBox(QMessageBox::NoIcon, text);
}

bool QtMessenger::AskYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), DisplayText(text));
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void QtMessenger::ReportError(const std::string& message) {
    ShowBox(QMessageBox::Critical, ErrorReportText(message));
}

} // namespace tolk
