#include "print/module/PreviewWindow.h"

#include "print/module/FormPainter.h"
#include "print/module/PdfFile.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace zizaza::print {
namespace {

QString defaultChooseFile(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить декларацию в PDF"), suggested,
                                        QStringLiteral("Документ PDF (*.pdf)"));
}

bool defaultChoosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Печать декларации"));
    return dialog.exec() == QDialog::Accepted;
}

void defaultReportError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QStringLiteral("Zizaza 2017"), text);
}

}  // namespace

PreviewWindow::PreviewWindow(std::vector<FormPage> pages, const QString& folder, const QString& fileBaseName,
                             const QString& title, QWidget* owner)
    : QDialog(owner),
      m_pages(std::move(pages)),
      m_folder(folder),
      m_fileBaseName(fileBaseName),
      m_chooseFile(defaultChooseFile),
      m_choosePrinter(defaultChoosePrinter),
      m_reportError(defaultReportError) {
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(title);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    m_previewPrinter = new QPrinter(QPrinter::HighResolution);
    SetUpFormPrinter(*m_previewPrinter);
    m_preview = new QPrintPreviewWidget(m_previewPrinter, this);
    m_preview->setObjectName(QStringLiteral("preview"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &PreviewWindow::paintPages);
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &PreviewWindow::showPageNumber);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    buildToolBar();
    layout->addWidget(findChild<QToolBar*>(QStringLiteral("toolBar")));
    layout->addWidget(m_preview, 1);
    resize(900, 1000);
    m_preview->fitToWidth();
    m_preview->updatePreview();
}

PreviewWindow::~PreviewWindow() {
    delete m_preview;  // it uses the printer until it goes
    m_preview = nullptr;
    delete m_previewPrinter;
}

void PreviewWindow::buildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("toolBar"));
    auto add = [&](const char* name, const QString& text, QStyle::StandardPixmap icon, auto slot) {
        QAction* action = bar->addAction(style()->standardIcon(icon), text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add("actFirstPage", QStringLiteral("Первая страница"), QStyle::SP_MediaSkipBackward, [this] { GoToPage(1); });
    add("actPrevPage", QStringLiteral("Предыдущая страница"), QStyle::SP_MediaSeekBackward,
        [this] { GoToPage(CurrentPage() - 1); });
    m_pageBox = new QSpinBox(bar);
    m_pageBox->setObjectName(QStringLiteral("sbPage"));
    m_pageBox->setRange(1, std::max(1, static_cast<int>(m_pages.size())));
    connect(m_pageBox, &QSpinBox::valueChanged, this, &PreviewWindow::GoToPage);
    bar->addWidget(m_pageBox);
    m_pageCount = new QLabel(bar);
    m_pageCount->setObjectName(QStringLiteral("lbPageCount"));
    m_pageCount->setText(QStringLiteral(" из %1 ").arg(m_pages.size()));
    bar->addWidget(m_pageCount);
    add("actNextPage", QStringLiteral("Следующая страница"), QStyle::SP_MediaSeekForward,
        [this] { GoToPage(CurrentPage() + 1); });
    add("actLastPage", QStringLiteral("Последняя страница"), QStyle::SP_MediaSkipForward,
        [this] { GoToPage(PageCount()); });
    bar->addSeparator();
    add("actZoomIn", QStringLiteral("Увеличить"), QStyle::SP_ArrowUp, [this] { m_preview->zoomIn(); });
    add("actZoomOut", QStringLiteral("Уменьшить"), QStyle::SP_ArrowDown, [this] { m_preview->zoomOut(); });
    add("actFitWidth", QStringLiteral("По ширине страницы"), QStyle::SP_ToolBarHorizontalExtensionButton,
        [this] { m_preview->fitToWidth(); });
    add("actFitPage", QStringLiteral("Страница целиком"), QStyle::SP_TitleBarNormalButton,
        [this] { m_preview->fitInView(); });
    bar->addSeparator();
    add("actPrint", QStringLiteral("Печать"), QStyle::SP_DialogYesButton, &PreviewWindow::PrintPages);
    add("actSavePdf", QStringLiteral("Сохранить в PDF"), QStyle::SP_DialogSaveButton, &PreviewWindow::SaveAsPdf);
    bar->addSeparator();
    add("actClose", QStringLiteral("Закрыть"), QStyle::SP_DialogCloseButton, &QDialog::accept);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void PreviewWindow::paintPages(QPrinter* printer) {
    QPainter painter(printer);
    PaintFormPages(painter, *printer, printer->resolution(), m_pages);
}

int PreviewWindow::PageCount() const {
    return m_preview->pageCount();
}

int PreviewWindow::CurrentPage() const {
    return m_preview->currentPage();
}

void PreviewWindow::GoToPage(int page) {
    page = std::clamp(page, 1, std::max(1, PageCount()));
    m_preview->setCurrentPage(page);
    showPageNumber();
}

void PreviewWindow::showPageNumber() {
    QSignalBlocker block(m_pageBox);
    m_pageBox->setValue(CurrentPage());
}

void PreviewWindow::SaveAsPdf() {
    QString suggested = QDir(m_folder.isEmpty() ? QDir::homePath() : m_folder).filePath(m_fileBaseName + ".pdf");
    QString file = m_chooseFile(this, suggested);
    if (file.isEmpty())
        return;
    if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        file += QStringLiteral(".pdf");
    try {
        SavePdfFile(file, m_pages, m_fileBaseName);
    } catch (const std::exception& e) {
        m_reportError(this, QString::fromUtf8(e.what()));
    }
}

void PreviewWindow::PrintPages() {
    QPrinter printer(QPrinter::HighResolution);
    SetUpFormPrinter(printer);
    if (!m_choosePrinter(this, printer))
        return;
    try {
        PrintFormPages(printer, m_pages);
    } catch (const std::exception& e) {
        m_reportError(this, QString::fromUtf8(e.what()));
    }
}

}  // namespace zizaza::print
