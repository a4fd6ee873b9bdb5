#pragma once

#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <memory>

class QHelpEngine;
class QLineEdit;
class QTabWidget;
class QTextBrowser;
class QUrl;

namespace tolk {

/// The program's help window over one compiled help file: contents and keyword index beside
/// the topic. A help file that cannot be shown is reported in the window itself.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(const QString& helpFile);
    ~HelpWindow() override;

    const QString& HelpFile() const { return m_helpFile; }

    /// Shows the topic registered for the context number.
    void ShowContext(std::uint32_t context);
    /// Shows the help file's default topic: the first entry of its contents.
    void ShowDefaultTopic();
    /// Shows the keyword index, at the keyword when one is given.
    void ShowIndex(const QString& keyword);

private:
    void OpenHelpFile();
    void CreateControls();
    void ShowTopic(const QUrl& url);
    void ShowNotice(const QString& text);
    void Present();
    void WhenContentsReady(std::function<void()> action);
    void WhenIndexReady(std::function<void()> action);

    QString m_helpFile;
    QString m_problem; ///< why the help file cannot be shown; empty when it can
    QTemporaryDir m_collectionFolder;
    std::unique_ptr<QHelpEngine> m_engine;
    bool m_contentsReady = false;
    bool m_indexReady = false;
    std::function<void()> m_afterContents;
    std::function<void()> m_afterIndex;

    QTabWidget* m_navigation = nullptr;
    QWidget* m_indexPage = nullptr;
    QLineEdit* m_keyword = nullptr;
    QTextBrowser* m_browser = nullptr;
};

} // namespace tolk
