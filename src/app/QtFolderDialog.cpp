#include "app/QtFolderDialog.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QSignalBlocker>

namespace tolk {

std::optional<std::string> QtFolderDialog::Run(const std::string& prompt, Events& events) {
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(prompt));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    m_dialog = &dialog;
    m_events = &events;
    connect(&dialog, &QFileDialog::currentChanged, this,
            [this] { m_events->SelectionChanged(*this); });
    dialog.installEventFilter(this);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    m_dialog = nullptr;
    m_events = nullptr;
    if (!confirmed) {
        return std::nullopt;
    }
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? std::string() : chosen.first().toStdString();
}

bool QtFolderDialog::eventFilter(QObject* watched, QEvent* event) {
    // The show event comes after the toolkit placed the dialog and before it appears on the
    // screen: the moment to select the initial folder and move the dialog without a jump.
    if (watched == m_dialog && event->type() == QEvent::Show) {
        m_dialog->removeEventFilter(this);
        m_events->DialogInitialized(*this);
    }
    return false;
}

void QtFolderDialog::SelectFolder(const std::string& path) {
    {
        // The dialog may or may not report this selection itself; it is reported once below.
        const QSignalBlocker blocker(m_dialog);
        m_dialog->selectFile(QString::fromStdString(path));
    }
    m_events->SelectionChanged(*this);
}

WindowBounds QtFolderDialog::OuterRect() const {
    const QRect frame = m_dialog->frameGeometry();
    return {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
}

void QtFolderDialog::MoveTo(std::int32_t left, std::int32_t top) {
    m_dialog->move(left, top);
}

} // namespace tolk
