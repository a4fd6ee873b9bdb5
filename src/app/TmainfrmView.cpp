// The window's side of the source file list, and what a command asks of the window itself.
#include "app/Tmainfrm.h"
#include "core/Text.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tolk {

void Tmainfrm::ShowResultCode(std::int32_t code) {
    returncode->setText(QString::number(code));
}

std::optional<std::string> Tmainfrm::TakeEditedTargetFolder() {
    const bool edited = ebtarget->isModified();
    ebtarget->setModified(false);
    if (!edited) {
        return std::nullopt;
    }
    return ebtarget->text().toStdString();
}

void Tmainfrm::BringToFront() {
    show();
    raise();
    activateWindow();
}

void Tmainfrm::ShowNames(const std::vector<std::string>& names) {
    const QSignalBlocker blocker(FileListBox1);
    FileListBox1->clear();
    for (const std::string& name : names) {
        FileListBox1->addItem(QString::fromStdString(PrintableName(name)));
    }
}

void Tmainfrm::ShowCurrentIndex(int index) {
    m_listNews.Highlight(index);
    // A run's highlight moves with the rest of its news.
    if (!Running()) {
        ShowListNews();
    }
}

void Tmainfrm::ShowCounts(const std::string& statusText, const std::string& labelText) {
    ShowStatus(statusText);
    filelistlbl->setText(QString::fromStdString(labelText));
}

} // namespace tolk
