#include "app/HelpWindow.h"

#include "app/AppTitle.h"

#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <utility>

namespace tolk {
namespace {

/// A text browser that reads the pages of the help file through the help engine.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(QHelpEngine& engine, QWidget* parent) : QTextBrowser(parent), m_engine(engine) {}

    QVariant loadResource(int type, const QUrl& name) override {
        if (name.scheme() == QLatin1String("qthelp")) {
            return m_engine.fileData(name);
        }
        return QTextBrowser::loadResource(type, name);
    }

private:
    QHelpEngine& m_engine;
};

} // namespace

HelpWindow::HelpWindow(const QString& helpFile)
    : QWidget(nullptr, Qt::Window), m_helpFile(helpFile),
      m_engine(std::make_unique<QHelpEngine>(m_collectionFolder.filePath("tolkconv.qhc"))) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("TOLK Batch File Converter Help"));
    // The help window must not keep the program running once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(820, 560);
    CreateControls();
    OpenHelpFile();
}

// The engine's contents and index widgets must go before the engine they read from.
HelpWindow::~HelpWindow() {
    delete m_navigation;
}

void HelpWindow::OpenHelpFile() {
    QHelpContentModel* contents = m_engine->contentModel();
    QHelpIndexModel* index = m_engine->indexModel();
    connect(contents, &QHelpContentModel::contentsCreationStarted, this,
            [this] { m_contentsReady = false; });
    connect(contents, &QHelpContentModel::contentsCreated, this, [this] {
        m_contentsReady = true;
        if (m_afterContents) {
            std::exchange(m_afterContents, nullptr)();
        }
    });
    connect(index, &QHelpIndexModel::indexCreationStarted, this, [this] { m_indexReady = false; });
    connect(index, &QHelpIndexModel::indexCreated, this, [this] {
        m_indexReady = true;
        if (m_afterIndex) {
            std::exchange(m_afterIndex, nullptr)();
        }
    });

    if (!QFileInfo(m_helpFile).isFile()) {
        m_problem = tr("The help file \"%1\" could not be found. It belongs beside the program "
                       "as tolkconv.qch; reinstall the program to bring it back.")
                        .arg(m_helpFile);
        return;
    }
    // The collection lives in a folder of its own, so the help works wherever the program lies.
    m_engine->setReadOnly(false);
    if (!m_engine->setupData() || !m_engine->registerDocumentation(m_helpFile)) {
        m_problem =
            tr("The help file \"%1\" could not be read: %2").arg(m_helpFile, m_engine->error());
        return;
    }
    m_engine->setupData();
}

void HelpWindow::CreateControls() {
    m_navigation = new QTabWidget;
    m_navigation->setObjectName(QStringLiteral("helpNavigation"));
    m_navigation->addTab(m_engine->contentWidget(), tr("Contents"));

    m_indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(m_indexPage);
    m_keyword = new QLineEdit;
    m_keyword->setObjectName(QStringLiteral("helpKeyword"));
    auto* lookFor = new QLabel(tr("&Look for:"));
    lookFor->setBuddy(m_keyword);
    indexLayout->addWidget(lookFor);
    indexLayout->addWidget(m_keyword);
    indexLayout->addWidget(m_engine->indexWidget());
    m_navigation->addTab(m_indexPage, tr("Index"));

    m_browser = new HelpBrowser(*m_engine, nullptr);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));

    auto* splitter = new QSplitter;
    splitter->addWidget(m_navigation);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    connect(m_engine->contentWidget(), &QHelpContentWidget::linkActivated, this,
            [this](const QUrl& url) { ShowTopic(url); });
    connect(m_engine->indexWidget(), &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document, const QString&) { ShowTopic(document.url); });
    connect(m_keyword, &QLineEdit::textChanged, this, [this](const QString& text) {
        WhenIndexReady([this, text] { m_engine->indexWidget()->filterIndices(text); });
    });
    connect(m_keyword, &QLineEdit::returnPressed, m_engine->indexWidget(),
            &QHelpIndexWidget::activateCurrentItem);
}

void HelpWindow::ShowContext(std::uint32_t context) {
    Present();
    if (!m_problem.isEmpty()) {
        ShowNotice(m_problem);
        return;
    }
    const QList<QHelpLink> documents = m_engine->documentsForIdentifier(QString::number(context));
    if (documents.isEmpty()) {
        ShowNotice(tr("The help file \"%1\" has no topic for help context %2.")
                       .arg(m_helpFile)
                       .arg(context));
        return;
    }
    ShowTopic(documents.first().url);
}

void HelpWindow::ShowDefaultTopic() {
    Present();
    if (!m_problem.isEmpty()) {
        ShowNotice(m_problem);
        return;
    }
    WhenContentsReady([this] {
        QHelpContentModel* contents = m_engine->contentModel();
        if (QHelpContentItem* first = contents->contentItemAt(contents->index(0, 0))) {
            ShowTopic(first->url());
        } else {
            ShowNotice(tr("The help file \"%1\" has no topics.").arg(m_helpFile));
        }
    });
}

void HelpWindow::ShowIndex(const QString& keyword) {
    Present();
    if (!m_problem.isEmpty()) {
        ShowNotice(m_problem);
        return;
    }
    m_navigation->setCurrentWidget(m_indexPage);
    m_keyword->setText(keyword);
    m_keyword->setFocus();
}

void HelpWindow::ShowTopic(const QUrl& url) {
    m_browser->setSource(url);
}

void HelpWindow::ShowNotice(const QString& text) {
    m_browser->setHtml(QStringLiteral("<h2>%1</h2><p>%2</p>")
                           .arg(tr("Help is not available"), text.toHtmlEscaped()));
}

void HelpWindow::Present() {
    show();
    raise();
    activateWindow();
}

void HelpWindow::WhenContentsReady(std::function<void()> action) {
    if (m_contentsReady) {
        action();
    } else {
        m_afterContents = std::move(action);
    }
}

void HelpWindow::WhenIndexReady(std::function<void()> action) {
    if (m_indexReady) {
        action();
    } else {
        m_afterIndex = std::move(action);
    }
}

} // namespace tolk
