#include "app/QtFolderDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QSignalBlocker>
#include <functional>
#include <utility>

namespace tolk {
namespace {

/// A file dialog that reports the moment it has been placed by the toolkit and is about to
/// appear on the screen: the moment to select in it and move it without a visible jump.
class PlacedFileDialog : public QFileDialog {
public:
    PlacedFileDialog(QWidget* parent, const QString& caption, std::function<void()> placed)
        : QFileDialog(parent, caption), m_placed(std::move(placed)) {}

protected:
    void showEvent(QShowEvent* event) override {
        QFileDialog::showEvent(event);
        if (m_placed) {
            std::exchange(m_placed, nullptr)();
        }
    }

private:
    std::function<void()> m_placed;
};

} // namespace

std::optional<std::string> QtFolderDialog::Run(const std::string& prompt, Events& events) {
    PlacedFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(prompt),
                            [this] { m_events->DialogInitialized(*this); });
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    m_dialog = &dialog;
    m_events = &events;
    QObject::connect(&dialog, &QFileDialog::currentChanged, &dialog,
                     [this] { m_events->SelectionChanged(*this); });
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    m_dialog = nullptr;
    m_events = nullptr;
    if (!confirmed) {
        return std::nullopt;
    }
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? std::string() : chosen.first().toStdString();
}

void QtFolderDialog::SelectFolder(const std::string& path) {
    {
        // Whether the dialog reports a selection it is given varies; it is reported once below.
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
