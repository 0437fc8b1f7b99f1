#include "ui/shell/HelpFrm.h"

#include "ui/shell/ShellIcons.h"

#include <QAction>
#include <QDesktopServices>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace zr {

HelpFrm::HelpFrm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpFrm"));
    setWindowTitle(tr("ZORVEL LESSON ヘルプ"));
    setWindowIcon(AppIcon());

    browser_ = new QTextBrowser;
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    browser_->setFrameShape(QFrame::NoFrame);
    browser_->document()->setDocumentMargin(18);

    auto *bar = new QToolBar;
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(16, 16));
    QAction *contents = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("目次"));
    contents->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    contents->setObjectName(QStringLiteral("HelpContents"));
    QAction *back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("戻る"));
    back->setShortcut(QKeySequence::Back);
    back->setObjectName(QStringLiteral("HelpBack"));
    QAction *forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("進む"));
    forward->setShortcut(QKeySequence::Forward);
    forward->setObjectName(QStringLiteral("HelpForward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QAction::triggered, browser_, &QTextBrowser::home);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser_, 1);
    resize(680, 600);
}

void HelpFrm::showContents(const QString &file)
{
    if (file != file_) {
        file_ = file;
        browser_->setSource(QUrl::fromLocalFile(file), QTextDocument::HtmlResource);
        browser_->clearHistory();
    } else {
        browser_->home();
    }
    show();
    raise();
    activateWindow();
}

}  // namespace zr
