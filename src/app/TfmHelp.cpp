#include "app/TfmHelp.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>

namespace zizaza {

TfmHelp::TfmHelp(QWidget* parent) : QMainWindow(parent, Qt::Window), m_owner(parent) {
    setObjectName(QStringLiteral("fmHelp"));
    setWindowTitle(QStringLiteral("Справка - Zizaza 2017"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    // Pages of the help open here; addresses outside it go to the desktop's browser.
    m_browser->setOpenExternalLinks(true);
    setCentralWidget(m_browser);

    auto* bar = addToolBar(QStringLiteral("Навигация"));
    bar->setMovable(false);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Назад"));
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Вперед"));
    QAction* home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Содержание"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(home, &QAction::triggered, this, [this] {
        if (!m_home.isEmpty())
            m_browser->setSource(QUrl::fromLocalFile(m_home));
    });
    // Esc closes the help, as it closes a dialog.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    resize(900, 700);
}

void TfmHelp::ShowPage(const QString& path, const QString& part) {
    const QFileInfo page(path);
    m_home = page.dir().filePath(QStringLiteral("runprogramm.htm"));
    m_browser->setSearchPaths({page.absolutePath()});
    QUrl url = QUrl::fromLocalFile(page.absoluteFilePath());
    if (!part.isEmpty())
        url.setFragment(part);
    m_browser->setSource(url);
    FollowModalDialog();
    showMaximized();
    raise();
    activateWindow();
}

void TfmHelp::FollowModalDialog() {
    // A modal dialog blocks every window but its own children.
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == this || modal == parentWidget())
        return;
    if (parentWidget() && parentWidget() != m_owner)
        parentWidget()->removeEventFilter(this);
    setParent(modal, Qt::Window);
    modal->installEventFilter(this);
}

bool TfmHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == parentWidget() && watched != m_owner) {
        // The dialog is closing: the help stays open, now with its owner again.
        const bool open = !isHidden();
        watched->removeEventFilter(this);
        setParent(m_owner, Qt::Window);
        if (open)
            showMaximized();
    }
    return QMainWindow::eventFilter(watched, event);
}

QString TfmHelp::CurrentPage() const {
    return m_browser->source().toLocalFile();
}

}  // namespace zizaza
