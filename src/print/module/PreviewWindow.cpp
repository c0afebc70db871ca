#include "print/module/PreviewWindow.h"

#include "print/module/FormPainter.h"
#include "print/module/PageView.h"
#include "print/module/PdfFile.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace zizaza::print {
namespace {

// The window's preferred width: an A4 page at about 100 dpi beside the scroll bar.
constexpr int kPreferredWidth = 900;
// Room left above the window for the title bar that the window system adds.
constexpr int kTitleBarRoom = 40;

QString defaultChooseFile(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить декларацию в PDF"), suggested,
                                        QStringLiteral("Документ PDF (*.pdf)"));
}

bool defaultChoosePrinter(QWidget* parent, QPrinter& printer, int pageCount) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Печать декларации"));
    dialog.setMinMax(1, std::max(1, pageCount));
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, true);
    return dialog.exec() == QDialog::Accepted;
}

void defaultReportError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QStringLiteral("Zizaza 2017"), text);
}

void defaultReportWritten(QWidget* parent, const QString& file) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Zizaza 2017"),
                    QStringLiteral("Сформирован файл ") + QDir::toNativeSeparators(file), QMessageBox::Ok, parent);
    QPushButton* open = box.addButton(QStringLiteral("Открыть папку"), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    if (box.clickedButton() == open && !QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absolutePath())))
        defaultReportError(parent, QStringLiteral("Не удалось открыть папку ") +
                                       QDir::toNativeSeparators(QFileInfo(file).absolutePath()));
}

QRect screenArea(const QWidget* owner) {
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1280, 900);
}

}  // namespace

PreviewWindow::PreviewWindow(std::vector<FormPage> pages, const QString& suggestedPdf, const QString& title,
                             QWidget* owner)
    : QDialog(owner),
      m_pages(std::move(pages)),
      m_suggestedPdf(suggestedPdf),
      m_chooseFile(defaultChooseFile),
      m_choosePrinter(defaultChoosePrinter),
      m_reportError(defaultReportError),
      m_reportWritten(defaultReportWritten),
      m_progress(ShowPageProgress) {
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(title);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    setSizeGripEnabled(true);
    m_view = new PageView(m_pages, this);
    connect(m_view, &PageView::CurrentPageChanged, this, &PreviewWindow::showPageNumber);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();
    layout->addWidget(m_toolBar);
    layout->addWidget(m_view, 1);
    FitInto(screenArea(owner));
    m_view->setFocus();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::FitInto(const QRect& available) {
    // Every command of the tool bar stays in sight: the window is never narrower than the bar.
    setMinimumWidth(std::min(available.width(), m_toolBar->sizeHint().width()));
    setMinimumHeight(std::min(available.height(), 300));
    const int width = std::clamp(kPreferredWidth, minimumWidth(), available.width());
    const int height = std::max(minimumHeight(), available.height() - kTitleBarRoom);
    resize(width, height);
    move(available.x() + (available.width() - width) / 2, available.y() + kTitleBarRoom / 2);
}

void PreviewWindow::buildToolBar() {
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto add = [&](const char* name, const QString& text, QStyle::StandardPixmap icon, QList<QKeySequence> keys,
                   auto slot) {
        auto* action = new QAction(style()->standardIcon(icon), text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        if (!keys.isEmpty())
            action->setToolTip(QStringLiteral("%1 (%2)").arg(text, keys.front().toString(QKeySequence::NativeText)));
        connect(action, &QAction::triggered, this, slot);
        m_toolBar->addAction(action);
        return action;
    };
    add("actFirstPage", QStringLiteral("Первая страница"), QStyle::SP_MediaSkipBackward,
        {QKeySequence(Qt::CTRL | Qt::Key_Home)}, [this] { GoToPage(1); });
    add("actPrevPage", QStringLiteral("Предыдущая страница"), QStyle::SP_MediaSeekBackward,
        {QKeySequence(Qt::Key_PageUp)}, [this] { GoToPage(CurrentPage() - 1); });
    m_pageBox = new QSpinBox(m_toolBar);
    m_pageBox->setObjectName(QStringLiteral("sbPage"));
    m_pageBox->setRange(1, std::max(1, PageCount()));
    m_pageBox->setToolTip(QStringLiteral("Номер страницы"));
    connect(m_pageBox, &QSpinBox::valueChanged, this, &PreviewWindow::GoToPage);
    m_toolBar->addWidget(m_pageBox);
    auto* count = new QLabel(QStringLiteral(" из %1 ").arg(PageCount()), m_toolBar);
    count->setObjectName(QStringLiteral("lbPageCount"));
    m_toolBar->addWidget(count);
    add("actNextPage", QStringLiteral("Следующая страница"), QStyle::SP_MediaSeekForward,
        {QKeySequence(Qt::Key_PageDown)}, [this] { GoToPage(CurrentPage() + 1); });
    add("actLastPage", QStringLiteral("Последняя страница"), QStyle::SP_MediaSkipForward,
        {QKeySequence(Qt::CTRL | Qt::Key_End)}, [this] { GoToPage(PageCount()); });
    m_toolBar->addSeparator();
    add("actZoomIn", QStringLiteral("Увеличить"), QStyle::SP_ArrowUp, {QKeySequence::ZoomIn},
        [this] { m_view->ZoomIn(); });
    add("actZoomOut", QStringLiteral("Уменьшить"), QStyle::SP_ArrowDown, {QKeySequence::ZoomOut},
        [this] { m_view->ZoomOut(); });
    add("actFitWidth", QStringLiteral("По ширине страницы"), QStyle::SP_TitleBarMaxButton,
        {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { m_view->FitToWidth(); });
    add("actFitPage", QStringLiteral("Страница целиком"), QStyle::SP_TitleBarNormalButton, {},
        [this] { m_view->FitToPage(); });
    m_toolBar->addSeparator();
    // The commands with words beside their pictures.
    for (QAction* action : {add("actPrint", QStringLiteral("Печать"), QStyle::SP_FileDialogDetailedView,
                                {QKeySequence(Qt::CTRL | Qt::Key_P)}, &PreviewWindow::PrintPages),
                            add("actSavePdf", QStringLiteral("Сохранить в PDF"), QStyle::SP_DialogSaveButton,
                                {QKeySequence(Qt::CTRL | Qt::Key_S)}, &PreviewWindow::SaveAsPdf),
                            add("actClose", QStringLiteral("Закрыть"), QStyle::SP_DialogCloseButton,
                                {QKeySequence(Qt::Key_Escape)}, &QDialog::accept)}) {
        if (auto* button = qobject_cast<QToolButton*>(m_toolBar->widgetForAction(action)))
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
}

int PreviewWindow::PageCount() const {
    return static_cast<int>(m_pages.size());
}

int PreviewWindow::CurrentPage() const {
    return m_view->CurrentPage();
}

void PreviewWindow::GoToPage(int page) {
    m_view->SetCurrentPage(page);
    showPageNumber();
}

void PreviewWindow::showPageNumber() {
    QSignalBlocker block(m_pageBox);
    m_pageBox->setValue(CurrentPage());
}

void PreviewWindow::SaveAsPdf() {
    QString file = m_chooseFile(this, m_suggestedPdf);
    if (file.isEmpty())
        return;
    if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        file += QStringLiteral(".pdf");
    try {
        SavePdfFile(file, m_pages, QFileInfo(m_suggestedPdf).completeBaseName(),
                    m_progress(this, QStringLiteral("Сохранение в PDF")));
    } catch (const std::exception& e) {
        m_reportError(this, QString::fromUtf8(e.what()));
        return;
    }
    m_reportWritten(this, file);
}

void PreviewWindow::PrintPages() {
    QPrinter printer(QPrinter::HighResolution);
    SetUpFormPrinter(printer);
    printer.setDocName(QFileInfo(m_suggestedPdf).completeBaseName());
    if (!m_choosePrinter(this, printer, PageCount()))
        return;
    try {
        PrintFormPages(printer, m_pages, m_progress(this, QStringLiteral("Печать декларации")), CurrentPage());
    } catch (const std::exception& e) {
        m_reportError(this, QString::fromUtf8(e.what()));
    }
}

}  // namespace zizaza::print
