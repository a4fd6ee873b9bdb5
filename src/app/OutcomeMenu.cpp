#include "app/OutcomeMenu.h"

#include "app/AppTitle.h"

#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tolk {
namespace {

QAction* AddAction(QMenu& menu, const QString& text, const char* name, bool enabled) {
    QAction* action = menu.addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

} // namespace

OutcomeMenu::OutcomeMenu(QWidget* parent, OutcomeMenuSubject subject, DesktopOpener open,
                         Messenger& messenger)
    : QMenu(parent), m_subject(std::move(subject)), m_open(std::move(open)),
      m_messenger(messenger) {
    setObjectName(QStringLiteral("OutcomeMenu"));
    setAttribute(Qt::WA_DeleteOnClose);
    const bool reason = !m_subject.reason.isEmpty();
    connect(AddAction(*this, tr("Show Reason"), "ShowReason", reason), &QAction::triggered, this,
            &OutcomeMenu::ShowReason);
    connect(AddAction(*this, tr("Open Target Folder"), "OpenTargetFolder",
                      QFileInfo(m_subject.targetFolder).isDir()),
            &QAction::triggered, this, [this] { Open(m_subject.targetFolder); });
    connect(AddAction(*this, tr("Open Conversion Log"), "OpenConversionLog",
                      QFileInfo(m_subject.logFile).isFile()),
            &QAction::triggered, this, [this] { Open(m_subject.logFile); });
    connect(AddAction(*this, tr("Copy Reason"), "CopyReason", reason), &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(m_subject.reason); });
}

// A reason may run to many engine lines: the box scrolls rather than growing off the screen.
void OutcomeMenu::ShowReason() {
    auto* box = new QDialog(parentWidget() ? parentWidget()->window() : nullptr);
    box->setObjectName(QStringLiteral("ReasonBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(QString::fromUtf8(ApplicationTitle));
    auto* text = new QPlainTextEdit(m_subject.reason, box);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, box);
    connect(buttons, &QDialogButtonBox::accepted, box, &QDialog::accept);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(text);
    layout->addWidget(buttons);
    box->resize(440, 240);
    box->open();
}

void OutcomeMenu::Open(const QString& path) {
    if (!m_open(QUrl::fromLocalFile(path))) {
        m_messenger.ShowMessage(
            tr("The desktop has nothing that opens %1.").arg(path).toStdString());
    }
}

} // namespace tolk
