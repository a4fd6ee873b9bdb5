#include "app/QtFormatPicker.h"

#include "app/AppTitle.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolk {
namespace {

QListWidget* FormatListWidget(const std::vector<OfferedFormat>& formats, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("formatlist"));
    for (const OfferedFormat& format : formats) {
        auto* item = new QListWidgetItem(
            QString::fromStdString(format.name + " - " + format.description), list);
        item->setData(Qt::UserRole, QString::fromStdString(format.name));
    }
    return list;
}

} // namespace

std::optional<std::string> QtFormatPicker::Choose(const std::string& prompt,
                                                  const std::vector<OfferedFormat>& formats) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setObjectName(QStringLiteral("FormatPicker"));
    dialog.setWindowTitle(TranslatedTitle());
    auto* label = new QLabel(QString::fromStdString(prompt), &dialog);
    label->setWordWrap(true);
    QListWidget* list = FormatListWidget(formats, &dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    QObject::connect(list, &QListWidget::currentRowChanged, ok,
                     [ok](int row) { ok->setEnabled(row >= 0); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(480, 360);
    if (dialog.exec() != QDialog::Accepted || list->currentItem() == nullptr) {
        return std::nullopt;
    }
    return list->currentItem()->data(Qt::UserRole).toString().toStdString();
}

} // namespace tolk
