#include "screens/TfmInput35SourseIncome.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "checks/EntryRules.h"
#include "model/mTThirtyFivePercent.h"
#include "screens/IncomeDeductionPart.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TMaskedEdit.h"
#include "ui/ScreenHost.h"
#include "ui/UserInterface.h"

namespace zizaza {

namespace {

// Material benefit on loans for new housing: not taxed, so it needs no amount.
constexpr int kUntaxedBenefit = 2620;

QHBoxLayout* CodeRow(QWidget* field, QWidget* chooser, QWidget* name = nullptr) {
    auto* row = new QHBoxLayout;
    row->addWidget(field);
    row->addWidget(chooser);
    if (name)
        row->addWidget(name, 1);
    else
        row->addStretch();
    return row;
}

}  // namespace

TfmInput35SourseIncome::TfmInput35SourseIncome(ScreenHost& host)
    : TSourceEntryDialog(host, QStringLiteral("Доход"), 12, SourceRule::Payment, kSectionIncome35) {
    setObjectName(QStringLiteral("fmInput35SourseIncome"));
    IncomeDeductionPart::Options options;
    options.incomeRateFilter = QStringLiteral("35");
    options.follow = IncomeDeductionPart::Follow::Income;
    m_part = new IncomeDeductionPart(this, host, std::move(options));
    meHoldSum = parts::RoublesEdit(this, "meHoldSum");

    Form()->addRow(QStringLiteral("Код дохода"),
                   CodeRow(m_part->meIncomeCode, m_part->bnIncomeCode, m_part->lbIncomeName));
    Form()->addRow(m_part->lbIncomeSum, m_part->meIncomeSum);
    Form()->addRow(m_part->lbDeductCode, CodeRow(m_part->meDeductCode, m_part->bnDeductCode));
    Form()->addRow(m_part->lbDeductSum, m_part->meDeductSum);
    Form()->addRow(QStringLiteral("Сумма удержанного налога"), meHoldSum);
    using R = mTThirtyFivePercent;
    BindIncomeDeduction(m_fields, m_part, &R::IncomeCode, &R::TotalIncome, &R::DeductionCode, &R::DeductionAmount);
    m_fields.Then([this] {
        if (m_part->HasIncomeCode())
            ApplyTaxed();
    });
    m_fields.WholeRoubles(meHoldSum, &R::TaxWithheld);
    connect(m_part, &IncomeDeductionPart::IncomeCodeTaken, this, &TfmInput35SourseIncome::ApplyTaxed);
}

void TfmInput35SourseIncome::Fill(const mTThirtyFivePercent& source) {
    FillSource(source);
    m_fields.Load(source);
}

void TfmInput35SourseIncome::Apply(mTThirtyFivePercent& source) const {
    ApplySource(source);
    m_fields.Save(source);
}

void TfmInput35SourseIncome::ChooseIncomeCode() {
    m_part->ChooseIncomeCode();
}

void TfmInput35SourseIncome::ChooseDeductCode() {
    m_part->ChooseDeductCode();
}

bool TfmInput35SourseIncome::Taxed() const {
    return m_part->IncomeCode() != kUntaxedBenefit;
}

void TfmInput35SourseIncome::ApplyTaxed() {
    m_part->lbIncomeSum->setEnabled(Taxed());
    m_part->meIncomeSum->setEnabled(Taxed());
}

int TfmInput35SourseIncome::CheckAmounts(ISourceCheckDialog& dialog) {
    mTThirtyFivePercent source;
    Apply(source);
    return ShowEntryProblems(dialog, kSectionIncome35, Income35Problems(source, m_part->HasDeductionCode()));
}

void TfmInput35SourseIncome::FocusAmount(int item) {
    switch (item) {
        case kItemIncomeCode:
            m_part->bnIncomeCode->setFocus();
            ChooseIncomeCode();
            break;
        case kItemIncomeSum:
            m_part->meIncomeSum->setFocus();
            break;
        case kItemDeductCode:
            m_part->bnDeductCode->setFocus();
            ChooseDeductCode();
            break;
        case kItemDeductSum:
            m_part->meDeductSum->setFocus();
            break;
        case kItemWithheld:
            meHoldSum->setFocus();
            break;
        default:
            break;
    }
}

}  // namespace zizaza
