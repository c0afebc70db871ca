#include "screens/TfmForeignImport.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QVBoxLayout>

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

// Where the rule for the dates of trades is kept among the user's settings of the program.
const QString kTradeDatesKey = QStringLiteral("ForeignIncomes/TradeDates");

// The rule matters once the statements hold trades.
bool HasTrades(const ForeignImport& result) {
    return !result.trades.sales.empty() || !result.trades.open.empty() || !result.trades.refused.empty();
}

}  // namespace

TfmForeignImport::TfmForeignImport(ScreenHost& host, ForeignImport result, ForeignImportReread reread)
    : TEntryDialog(host, QStringLiteral("Загрузка из отчета брокера")),
      m_result(std::move(result)),
      m_reread(std::move(reread)) {
    setObjectName(QStringLiteral("fmForeignImport"));
    if (m_reread && HasTrades(m_result)) {
        auto* row = new QHBoxLayout;
        auto* caption = new QLabel(QStringLiteral("Доходы и расходы по сделкам — по курсу ЦБ РФ на"), this);
        cbTradeDates = Named(new QComboBox(this), "cbTradeDates");
        cbTradeDates->addItem(QStringLiteral("дату расчетов по сделке"), static_cast<int>(TradeDates::Settlement));
        cbTradeDates->addItem(QStringLiteral("дату сделки"), static_cast<int>(TradeDates::Trade));
        cbTradeDates->setCurrentIndex(cbTradeDates->findData(static_cast<int>(m_result.trades.dates)));
        caption->setBuddy(cbTradeDates);
        row->addWidget(caption);
        row->addWidget(cbTradeDates);
        row->addStretch();
        Content()->addLayout(row);
        connect(cbTradeDates, &QComboBox::currentIndexChanged, this, &TfmForeignImport::DatesChosen);
    }
    lbImportSummary = Named(new QLabel(this), "lbImportSummary");
    lbImportSummary->setWordWrap(true);
    Content()->addWidget(lbImportSummary);
    teImportReport = Named(new QPlainTextEdit(this), "teImportReport");
    teImportReport->setReadOnly(true);
    teImportReport->setLineWrapMode(QPlainTextEdit::NoWrap);
    teImportReport->setMinimumSize(640, 320);
    Content()->addWidget(teImportReport, 1);
    // The report with every sale and its lots, the open lots and what was ignored or refused, kept
    // as a file beside the declaration (which keeps the sales of its records, not the rest).
    auto* save = Named(new QPushButton(QStringLiteral("Сохранить отчет..."), this), "btSaveReport");
    save->setAutoDefault(false);
    Content()->addWidget(save, 0, Qt::AlignLeft);
    connect(save, &QPushButton::clicked, this, &TfmForeignImport::SaveReport);
    ShowResult();
    // The report is read first; the safe answer has the focus whenever lines are left out.
    (!m_result.refused.empty() || m_result.records.empty() ? NoButton() : YesButton())->setFocus();
}

TradeDates TfmForeignImport::RememberedDates() {
    // The settings of the program's user (the organisation and the application are set at start).
    return QSettings().value(kTradeDatesKey).toString() == QStringLiteral("trade") ? TradeDates::Trade
                                                                                   : TradeDates::Settlement;
}

void TfmForeignImport::ShowResult() {
    const bool refused = !m_result.refused.empty();
    lbImportSummary->setText(Summary(m_result));
    teImportReport->setPlainText(QString::fromStdString(DescribeForeignImport(m_result)));
    YesButton()->setText(refused ? QStringLiteral("Загрузить остальные") : QStringLiteral("Загрузить"));
    YesButton()->setVisible(!m_result.records.empty());
    NoButton()->setText(m_result.records.empty() ? QStringLiteral("Закрыть") : QStringLiteral("Отмена"));
}

void TfmForeignImport::DatesChosen() {
    const auto dates = static_cast<TradeDates>(cbTradeDates->currentData().toInt());
    std::optional<ForeignImport> again = m_reread(dates);
    if (!again) {
        const QSignalBlocker quiet(cbTradeDates);
        cbTradeDates->setCurrentIndex(cbTradeDates->findData(static_cast<int>(m_result.trades.dates)));
        return;
    }
    m_result = std::move(*again);
    QSettings().setValue(kTradeDatesKey,
                         dates == TradeDates::Trade ? QStringLiteral("trade") : QStringLiteral("settlement"));
    ShowResult();
}

void TfmForeignImport::SaveReport() {
    const std::string text = DescribeForeignImport(m_result);
    FileDialogRequest request;
    request.title = QStringLiteral("Сохранить отчет о загрузке доходов в текстовый файл");
    // Beside the declaration the payments go into.
    request.folder = Host().DocumentFolder();
    request.name = QStringLiteral("Отчет о загрузке.txt");
    request.defaultSuffix = QStringLiteral("txt");
    request.types = {{QStringLiteral("Текст (*.txt)"), QStringLiteral("*.txt")}};
    const QString file = Host().Ui().ChooseSaveFile(request);
    if (file.isEmpty())
        return;
    try {
        WriteFileAtomically(file.toStdString(), text);
    } catch (const std::exception& e) {
        Host().Ui().Error(QString::fromStdString(e.what()));
        return;
    }
    TellFileWritten(Host().Ui(), QStringLiteral("Отчет о загрузке сохранен в файл ") + QDir::toNativeSeparators(file),
                    file);
}

void TfmForeignImport::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (!m_result.refused.empty() || !YesButton()->isVisible())) {
        // Enter presses the focused button, as Space does, and never imports on its own.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        event->accept();
        return;
    }
    TEntryDialog::keyPressEvent(event);
}

}  // namespace zizaza
