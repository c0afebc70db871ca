#include "app/TfmTaxReport.h"

#include "print/HtmlPdf.h"
#include "ui/UserInterface.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zizaza {

namespace {

const QString kTitle = QStringLiteral("Расчет налога");

}  // namespace

TfmTaxReport::TfmTaxReport(const QString& html, UserInterface& ui, QWidget* parent)
    : QDialog(parent), m_html(html), m_ui(ui) {
    setObjectName(QStringLiteral("TfmTaxReport"));
    setWindowTitle(kTitle);
    resize(900, 700);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("tbReport"));
    m_browser->setOpenLinks(true);
    m_browser->setHtml(html);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* print = buttons->addButton(QStringLiteral("Печать..."), QDialogButtonBox::ActionRole);
    print->setObjectName(QStringLiteral("btPrint"));
    QPushButton* save = buttons->addButton(QStringLiteral("Сохранить..."), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("btSave"));
    QPushButton* close = buttons->addButton(QStringLiteral("Закрыть"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("btClose"));
    connect(print, &QPushButton::clicked, this, &TfmTaxReport::Print);
    connect(save, &QPushButton::clicked, this, &TfmTaxReport::Save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
}

void TfmTaxReport::Print() {
    QPrinter printer;
    printer.setDocName(kTitle);
    if (!m_ui.ChoosePrinter(printer))
        return;
    const QString target = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (target.isEmpty()) {
        m_browser->document()->print(&printer);
        return;
    }
    // "Print to File": the pages go to a temporary file first and reach the chosen file whole.
    QTemporaryFile pages;
    QString error;
    if (!pages.open()) {
        m_ui.Error(QStringLiteral("Не удалось записать файл %1: %2").arg(target, pages.errorString()));
        return;
    }
    printer.setOutputFileName(pages.fileName());
    m_browser->document()->print(&printer);
    pages.seek(0);
    if (!WriteWholeFile(pages.readAll(), target, &error))
        m_ui.Error(error);
    else
        TellFileWritten(m_ui, QStringLiteral("Напечатано в файл ") + QDir::toNativeSeparators(target), target);
}

void TfmTaxReport::Save() {
    FileDialogRequest request;
    request.title = windowTitle() + QStringLiteral(": сохранить в файл PDF или HTML");
    request.folder = m_folder;
    request.name = m_baseName.isEmpty() ? QString() : m_baseName + QStringLiteral(".pdf");
    request.defaultSuffix = QStringLiteral("pdf");
    request.types = {{QStringLiteral("Документ PDF"), QStringLiteral("*.pdf")},
                     {QStringLiteral("Страница HTML"), QStringLiteral("*.html")}};
    const QString path = m_ui.ChooseSaveFile(request);
    if (!path.isEmpty() && SaveTo(path))
        TellFileWritten(m_ui, QStringLiteral("Сформирован файл ") + path, path);
}

bool TfmTaxReport::SaveTo(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    QString error;
    const bool ok = suffix == QLatin1String("html") || suffix == QLatin1String("htm")
                        ? WriteWholeFile(m_html.toUtf8(), path, &error)
                        : WriteHtmlPdf(m_html, path, kTitle, &error);
    if (!ok)
        m_ui.Error(error);
    return ok;
}

}  // namespace zizaza
