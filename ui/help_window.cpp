#include "ui/help_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QVariant>

namespace tnx::ui {
namespace {

// The help page lives at this address, so that its links are moves within one
// document and the browser keeps a history of them.
const QUrl kHelpPage("tunnex-help:page");

QUrl TopicUrl(int topic) {
    QUrl url = kHelpPage;
    url.setFragment(THelpFile::AnchorName(topic));
    return url;
}

class THelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QString Page;

    QVariant loadResource(int type, const QUrl& name) override {
        if (name.scheme() == kHelpPage.scheme()) return Page;
        return QTextBrowser::loadResource(type, name);
    }
};

}  // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("Справка Tunnex");
    // Help left open must not keep the program running once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(560, 520);

    ContentsBtn = new QPushButton(style()->standardIcon(QStyle::SP_DirHomeIcon), "Содержание", this);
    BackBtn = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), "Назад", this);
    ForwardBtn = new QPushButton(style()->standardIcon(QStyle::SP_ArrowForward), "Вперёд", this);
    Browser = new THelpBrowser(this);
    Browser->setOpenExternalLinks(false);
    Browser->setOpenLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ContentsBtn);
    buttons->addWidget(BackBtn);
    buttons->addWidget(ForwardBtn);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Browser);

    BackBtn->setEnabled(false);
    ForwardBtn->setEnabled(false);
    connect(ContentsBtn, &QPushButton::clicked, this, [this] { ShowTopic(THelpFile::kContents); });
    connect(BackBtn, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(ForwardBtn, &QPushButton::clicked, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::backwardAvailable, BackBtn, &QPushButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, ForwardBtn, &QPushButton::setEnabled);
}

bool THelpWindow::Load(const std::filesystem::path& helpFile) {
    const QString name = QString::fromStdString(helpFile.string());
    const QDateTime written = QFileInfo(name).lastModified();
    if (loaded_ && helpFile == path_ && written == written_) return false;  // keeps the reader's history
    path_ = helpFile;
    written_ = written;

    QString error;
    help_ = THelpFile::Load(helpFile, error);
    loaded_ = help_.has_value();
    auto* browser = static_cast<THelpBrowser*>(Browser);
    if (help_) {
        browser->Page = help_->DocumentHtml();
        setWindowTitle(help_->Title());
    } else {
        browser->Page = "<h2>Справка недоступна</h2><p>" + error.toHtmlEscaped() + "</p>";
        setWindowTitle("Справка Tunnex");
    }
    Browser->clearHistory();
    if (Browser->source().scheme() == kHelpPage.scheme())
        Browser->reload();  // the same address, a new page
    else
        Browser->setSource(kHelpPage);
    return true;
}

void THelpWindow::ShowTopic(int topic) {
    if (!help_ || help_->Find(topic) == nullptr) topic = THelpFile::kContents;
    Browser->setSource(TopicUrl(topic));
    if (topic == THelpFile::kContents) Browser->verticalScrollBar()->setValue(0);
}

THelpWindow* THelpWindow::Open(const std::filesystem::path& helpFile, int topic) {
    static QPointer<THelpWindow> window;
    if (window == nullptr) {
        window = new THelpWindow;
        // Gone before the application object, whose fonts and styles it uses.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { delete window.data(); });
    }
    const bool reloaded = window->Load(helpFile);
    window->show();
    window->ShowTopic(topic);
    if (reloaded) window->Browser->clearHistory();  // the reader starts at the topic asked for
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace tnx::ui
