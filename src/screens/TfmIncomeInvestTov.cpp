#include "screens/TfmIncomeInvestTov.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "checks/EntryRules.h"
#include "checks/ui/SourceCheckDialog.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TMaskedEdit.h"
#include "ui/ScreenHost.h"

namespace zizaza {

namespace {

// The items of "Вид операций"; an item's position + 1 is the kind stored.
const char* const kOperationKinds[] = {
    "Операции с обращающимися ЦБ (п.1 Листа И)",
    "Операции с не обращающимися ЦБ (п.2 Листа И)",
    "Операции с ФИСС (п.3 Листа И)",
    "Операции с долями участия в уставном капитале (п.4 Листа И)",
    "Прочие операции (п.5 Листа И)",
    "Доход при выходе из инвест.тов. или выделе доли (п.6 Листа И)",
};

const QString kExpenseShareCaption = QStringLiteral("Доля расходов");
const QString kContributionsCaption = QStringLiteral("Сумма вкладов");

}  // namespace

TfmIncomeInvestTov::TfmIncomeInvestTov(ScreenHost& host)
    : TEntryDialog(host, QStringLiteral("Участие в инвестиционных товариществах")) {
    setObjectName(QStringLiteral("fmIncomeInvestTov"));
    auto* grid = new QGridLayout;
    cbIncomeCod = Named(new QComboBox(this), "cbIncomeCod");
    for (const char* kind : kOperationKinds)
        cbIncomeCod->addItem(QString::fromUtf8(kind));
    cbIncomeCod->setCurrentIndex(-1);
    grid->addWidget(new QLabel(QStringLiteral("Вид операций"), this), 0, 0);
    grid->addWidget(cbIncomeCod, 0, 1, 1, 2);

    auto amount = [this, grid](int row, const char* name, QLabel* label) {
        TMaskedEdit* edit = parts::MoneyEdit(this, name);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        return edit;
    };
    meIncomeSum = amount(1, "meIncomeSum", new QLabel(QStringLiteral("Сумма доходов"), this));
    lbExpenseSum = Named(new QLabel(kExpenseShareCaption, this), "lbExpenseSum");
    meExpenseSum = amount(2, "meExpenseSum", lbExpenseSum);
    lbRewardSum = Named(new QLabel(QStringLiteral("Расходы на управляющих товарищей"), this), "lbRewardSum");
    meRewardSum = amount(3, "meRewardSum", lbRewardSum);
    lbPrevYearsSum = Named(new QLabel(QStringLiteral("Убыток прошлых лет"), this), "lbPrevYearsSum");
    mePrevYearsSum = amount(4, "mePrevYearsSum", lbPrevYearsSum);
    grid->setColumnStretch(2, 1);
    Content()->addLayout(grid);

    m_fields.Money(meIncomeSum, &mTInvestTovIncome::Income);
    m_fields.Money(meExpenseSum, &mTInvestTovIncome::ExpenseShare);
    m_fields.Money(meRewardSum, &mTInvestTovIncome::ManagementExpenses);
    m_fields.Money(mePrevYearsSum, &mTInvestTovIncome::PastLosses);
    // Last: kind 6 sets the amounts that do not apply to it to "0". Kind 1 is the first item.
    m_fields.ComboIndex(cbIncomeCod, &mTInvestTovIncome::OperationKind, 1);

    connect(cbIncomeCod, &QComboBox::currentIndexChanged, this, &TfmIncomeInvestTov::OnKindChanged);
    // Only "Да", "Нет" and the close box end this dialog.
    SetEnterEscapeHandled(false);
    cbIncomeCod->setFocus();
}

void TfmIncomeInvestTov::Fill(const mTInvestTovIncome& line) {
    m_fields.Load(line);
}

mTInvestTovIncome TfmIncomeInvestTov::Line(const mTInvestTovIncome& replaced) const {
    mTInvestTovIncome line = replaced;
    m_fields.Save(line);
    return line;
}

int32_t TfmIncomeInvestTov::OperationKind() const {
    return cbIncomeCod->currentIndex() + 1;
}

void TfmIncomeInvestTov::OnKindChanged() {
    const bool exit = OperationKind() == kKindExit;
    lbExpenseSum->setText(exit ? kContributionsCaption : kExpenseShareCaption);
    for (QWidget* w : {static_cast<QWidget*>(meRewardSum), static_cast<QWidget*>(lbRewardSum),
                       static_cast<QWidget*>(mePrevYearsSum), static_cast<QWidget*>(lbPrevYearsSum)})
        w->setVisible(!exit);
    if (exit) {
        meRewardSum->setText(QStringLiteral("0"));
        mePrevYearsSum->setText(QStringLiteral("0"));
    }
}

int TfmIncomeInvestTov::CheckEntries() {
    SourceCheckDialog dialog(Host().Ui(), this);
    return ShowEntryProblems(dialog, kPartnershipIncomeTitle, PartnershipIncomeProblems(Line()));
}

void TfmIncomeInvestTov::FocusEntry(int item) {
    if (item == kItemOperationKind)
        cbIncomeCod->setFocus();
}

}  // namespace zizaza
