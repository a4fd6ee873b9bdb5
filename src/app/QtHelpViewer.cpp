#include "app/QtHelpViewer.h"

#include "app/HelpWindow.h"

namespace tolk {

QtHelpViewer::QtHelpViewer() = default;
QtHelpViewer::~QtHelpViewer() = default;

void QtHelpViewer::HtmlHelp(const std::optional<std::string>& file, HtmlHelpCommand command,
                            std::uintptr_t data) {
    switch (command) {
    case HtmlHelpCommand::HelpContext:
        WindowFor(file).ShowContext(static_cast<std::uint32_t>(data));
        break;
    case HtmlHelpCommand::DisplayIndex:
        WindowFor(file).ShowIndex(data != 0 ? QString::fromUtf8(reinterpret_cast<const char*>(data))
                                            : QString());
        break;
    case HtmlHelpCommand::DisplayTopic:
        WindowFor(file).ShowDefaultTopic();
        break;
    case HtmlHelpCommand::CloseAll:
        if (m_window) {
            m_window->close();
        }
        break;
    }
}

HelpWindow& QtHelpViewer::WindowFor(const std::optional<std::string>& file) {
    const QString path = QString::fromStdString(file.value_or(std::string()));
    if (!m_window || m_window->HelpFile() != path) {
        m_window = std::make_unique<HelpWindow>(path);
    }
    return *m_window;
}

} // namespace tolk
