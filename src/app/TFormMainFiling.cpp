// The documents made after the declaration: the applications for the refund of tax, the
// corrective declaration and what it changes, the copies of what the export wrote.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <QStatusBar>

#include "app/TFormMain.h"
#include "app/TfmRefundBank.h"
#include "app/TfmTaxReport.h"
#include "calc/kTSvodSum.h"
#include "checks/NavigationCode.h"
#include "export/DeclarationXml.h"
#include "filing/DeclarationChanges.h"
#include "filing/ExportArchive.h"
#include "filing/RefundApplication.h"
#include "model/mTDeclaration.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

ExportArchive archive() {
    return ExportArchive(
        (QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/exports")).toStdString());
}

}  // namespace

void TFormMain::KeepExportCopy(const QString& exportedFile) {
    QFile file(exportedFile);
    try {
        if (!file.open(QIODevice::ReadOnly))
            throw FilingError(file.errorString().toStdString());
        const QByteArray bytes = file.readAll();
        archive().Keep(m_fileName.toStdString(), m_doc->Person.Name.Inn,
                       QFileInfo(exportedFile).fileName().toStdString(), bytes.toStdString());
    } catch (const std::exception& e) {
        // The export itself is done: a missing copy only means the file is asked for at correction time.
        statusBar()->showMessage(QStringLiteral("Копия выгрузки не сохранена: ") + QString::fromUtf8(e.what()));
    }
}

void TFormMain::CorrectionCommand() {
    if (RunDeclarationCheck() != CheckOutcome::Passed)
        return;
    const std::optional<std::string> last = archive().Last(m_fileName.toStdString(), m_doc->Person.Name.Inn);
    QString filedPath;
    if (last) {
        const QString proposed = QString::fromStdString(*last);
        const int choice = m_ui->Choose(
            QStringLiteral("Уточненная декларация исправляет поданную. Поданная декларация - последняя выгрузка "
                           "этого файла:\n%1\nВзять ее?")
                .arg(QFileInfo(proposed).fileName()),
            QStringLiteral("Да"), QStringLiteral("Другой файл..."), QStringLiteral("Отмена"));
        if (choice == 0)
            filedPath = proposed;
        else if (choice != 1)
            return;
    }
    if (filedPath.isEmpty()) {
        FileDialogRequest request;
        request.title = QStringLiteral("Поданная декларация: выберите файл XML");
        request.folder = DocumentFolder();
        request.defaultSuffix = QStringLiteral("xml");
        request.types = {{QStringLiteral("Файл поданной декларации"), QStringLiteral("*.xml")}};
        filedPath = m_ui->ChooseOpenFile(request);
        if (filedPath.isEmpty())
            return;
    }
    QFile file(filedPath);
    if (!file.open(QIODevice::ReadOnly)) {
        m_ui->Error(QStringLiteral("Не удается открыть файл ") + filedPath);
        return;
    }
    const std::string filedXml = file.readAll().toStdString();
    const std::optional<FiledDeclaration> current = ExportedFacts();
    if (!current)
        return;
    int number = 0;
    try {
        const FiledDeclaration filed = ReadFiledDeclaration(filedXml, filedPath.toStdString());
        CheckFiledDeclaration(filed, *current);
        number = NextCorrectionNumber(filed);
    } catch (const std::exception& e) {
        m_ui->Error(QString::fromStdString(e.what()));
        return;
    }
    if (m_doc->CorrectionNumber != number) {
        m_doc->CorrectionNumber = number;
        // The initial data screen shows the number: it is shown again from the document.
        ShowInitialScreen();
        SetSaved(false);
        RecordStep(QStringLiteral("уточненная декларация"), nullptr, nullptr);
        SetTitle();
    }
    std::string xml;
    XmlExportOptions options;
    options.showMessage = [this](const std::string& message) { m_ui->Error(QString::fromStdString(message)); };
    try {
        if (!BuildDeclarationXml({}, *m_doc, XmlExportMode::Text, xml, options))
            return;
        const DeclarationChanges changes = CompareDeclarations(filedXml, xml);
        const QString html = QString::fromStdString(ChangesHtml(changes, filedPath.toStdString()));
        auto* window = new TfmTaxReport(html, *m_ui, this);
        window->setObjectName(QStringLiteral("TfmDeclarationChanges"));
        window->SetSaveLocation(DocumentFolder(), DocumentBaseName() + QStringLiteral(" изменения"));
        window->setWindowTitle(QStringLiteral("Уточненная декларация: что изменилось"));
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        // A refund of another amount needs an application of its own.
        if (changes.RefundDifference() != 0 && HasRefundLines() &&
            m_ui->Ask(QStringLiteral("Сумма налога к возврату изменилась: нужно новое заявление на возврат налога. "
                                     "Подготовить его?"),
                      false) == UserInterface::Answer::Yes)
            RefundApplicationCommand();
    } catch (const std::exception& e) {
        m_ui->Error(QString::fromStdString(e.what()));
    }
}

std::optional<FiledDeclaration> TFormMain::ExportedFacts() {
    std::string xml;
    XmlExportOptions options;
    options.showMessage = [this](const std::string& message) { m_ui->Error(QString::fromStdString(message)); };
    try {
        if (!BuildDeclarationXml({}, *m_doc, XmlExportMode::Text, xml, options))
            return std::nullopt;
        return ReadFiledDeclaration(xml, m_fileName.toStdString());
    } catch (const std::exception& e) {
        m_ui->Error(QString::fromStdString(e.what()));
        return std::nullopt;
    }
}

bool TFormMain::HasRefundLines() const {
    // The menu asks before it opens; a calculation that fails leaves the command off.
    try {
        kTSvodSum sum;
        sum.Compute(*m_doc);
        for (const bmTList1& line : sum.List6().Lines)
            if (line.ПрУплВозв == kSignRefund && line.Amount.WholeRoubles() > 0)
                return true;
    } catch (const std::exception&) {
    }
    return false;
}

void TFormMain::RefundApplicationCommand() {
    if (RunDeclarationCheck() != CheckOutcome::Passed)
        return;
    const std::optional<FiledDeclaration> facts = ExportedFacts();
    if (!facts)
        return;
    if (facts->RefundLines().empty()) {
        m_ui->Inform(
            QStringLiteral("В разделе 1 декларации нет сумм налога к возврату: заявление на возврат не нужно."));
        return;
    }
    TfmRefundBank dialog(*m_ui, facts->inn.empty(), this);
    if (m_ui->RunModal(dialog) != QDialog::Accepted)
        return;
    RefundRequest request{dialog.Details(), dialog.ApplicationDate(), dialog.Address().toStdString()};
    std::string xml;
    try {
        xml = RefundApplicationsXml(*facts, request);
    } catch (const std::exception& e) {
        m_ui->Error(QString::fromStdString(e.what()));
        return;
    }
    std::unique_ptr<IPrintModule> module = PrintModuleOrTell();
    if (!module)
        return;
    try {
        module->PrintTiffFolder(m_programFolder.toStdString());
        module->PreviewData(xml, this);
    } catch (const std::exception& e) {
        m_ui->Plain(QString::fromUtf8(e.what()));
    }
}

}  // namespace zizaza
