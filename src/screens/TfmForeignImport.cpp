#include "screens/TfmForeignImport.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "imports/ForeignIncomeImport.h"
#include "screens/ScreenWidgets.h"
#include "storage/AtomicFile.h"
#include "ui/ScreenHost.h"
#include "ui/UserInterface.h"

#include <exception>

namespace zizaza {

namespace {

QString Summary(const ForeignImport& result) {
    QString text = QStringLiteral("Будет загружено выплат: %1.").arg(result.records.size());
    if (!result.merged.empty())
        text += QStringLiteral(" Объединено строк: %1.").arg(result.merged.size());
    if (!result.replaced.empty())
        text += QStringLiteral(" Заменены знаки, которых нет в файле декларации, в строках: %1.")
                    .arg(result.replaced.size());
    if (!result.refused.empty())
        text += QStringLiteral(" Не загружается строк: %1.").arg(result.refused.size());
    if (result.records.empty())
        return text + QStringLiteral("\nВ отчете нет выплат, которые можно загрузить; декларация не изменится.");
    if (!result.refused.empty())
        text += QStringLiteral(
            "\nСтроки, которые не загружаются, перечислены в отчете с причиной. Исправьте отчет "
            "и загрузите его снова или загрузите остальные выплаты без этих строк.");
    return text;
}

}  // namespace

TfmForeignImport::TfmForeignImport(ScreenHost& host, const ForeignImport& result)
    : TEntryDialog(host, QStringLiteral("Загрузка из отчета брокера")), m_refused(!result.refused.empty()) {
    setObjectName(QStringLiteral("fmForeignImport"));
    auto* summary = Named(new QLabel(Summary(result), this), "lbImportSummary");
    summary->setWordWrap(true);
    Content()->addWidget(summary);
    auto* report = Named(new QPlainTextEdit(this), "teImportReport");
    report->setReadOnly(true);
    report->setLineWrapMode(QPlainTextEdit::NoWrap);
    report->setPlainText(QString::fromStdString(DescribeForeignImport(result)));
    report->setMinimumSize(640, 320);
    Content()->addWidget(report, 1);
    // The report with every sale and its lots is the trades register an inspector asks for: the
    // declaration file keeps only the records.
    auto* save = Named(new QPushButton(QStringLiteral("Сохранить отчет..."), this), "btSaveReport");
    save->setAutoDefault(false);
    Content()->addWidget(save, 0, Qt::AlignLeft);
    connect(save, &QPushButton::clicked, this, [this, text = DescribeForeignImport(result)] { SaveReport(text); });

    YesButton()->setText(m_refused ? QStringLiteral("Загрузить остальные") : QStringLiteral("Загрузить"));
    YesButton()->setVisible(!result.records.empty());
    NoButton()->setText(result.records.empty() ? QStringLiteral("Закрыть") : QStringLiteral("Отмена"));
    // The report is read first; the safe answer has the focus whenever lines are left out.
    (m_refused || result.records.empty() ? NoButton() : YesButton())->setFocus();
}

void TfmForeignImport::SaveReport(const std::string& text) {
    FileDialogRequest request;
    request.title = QStringLiteral("Сохранить отчет о загрузке");
    request.defaultSuffix = QStringLiteral("txt");
    request.types = {{QStringLiteral("Текст (*.txt)"), QStringLiteral("*.txt")}};
    const QString file = Host().Ui().ChooseSaveFile(request);
    if (file.isEmpty())
        return;
    try {
        WriteFileAtomically(file.toStdString(), text);
    } catch (const std::exception& e) {
        Host().Ui().Error(QString::fromStdString(e.what()));
    }
}

void TfmForeignImport::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (m_refused || !YesButton()->isVisible())) {
        // Enter presses the focused button, as Space does, and never imports on its own.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        event->accept();
        return;
    }
    TEntryDialog::keyPressEvent(event);
}

}  // namespace zizaza
