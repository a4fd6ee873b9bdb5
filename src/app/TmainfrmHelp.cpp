// Help and the options dialog.
#include "app/TOptionsFrm.h"
#include "app/Tmainfrm.h"

#include <QAction>
#include <QPushButton>
#include <QShortcut>

namespace tolk {
namespace {

// The Help button is the only control with a help context. Since the help key looks for a
// context from the focused control outward and nothing around the button has one, the key
// opens help only while the button has the focus.
constexpr std::uint32_t BitBtn1HelpContext = 10;

} // namespace

void Tmainfrm::ConnectHelpHandlers() {
    connect(BitBtn1, &QPushButton::clicked, this, [this] { Guarded([this] { BitBtn1Click(); }); });
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), BitBtn1);
    helpKey->setContext(Qt::WidgetShortcut);
    connect(helpKey, &QShortcut::activated, this, [this] { Guarded([this] { BitBtn1Click(); }); });
    connect(mnuOptions, &QAction::triggered, this,
            [this] { Guarded([this] { mnuOptionsClick(); }); });
}

void Tmainfrm::BitBtn1Click() {
    m_services.help->HelpContext(BitBtn1HelpContext);
}

void Tmainfrm::mnuOptionsClick() {
    TOptionsFrm OptionsFrm(this);
    OptionsFrm.exec();
}

} // namespace tolk
