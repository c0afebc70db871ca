#include "screens/TfmInput30SourseIncome.h"

#include <QFormLayout>

#include "checks/IdentifierChecks.h"
#include "model/mTThirtyPercent.h"
#include "screens/ScreenFormat.h"
#include "screens/ScreenWidgets.h"
#include "screens/controls/TMaskedEdit.h"

namespace zizaza {

namespace {

// How far the tax computed may lie from the rate applied to the taxable dividends.
constexpr int64_t kToleranceRoubles = 10;

Money Roubles(const QLineEdit* edit) {
    return RoublesFieldValue(edit->text());
}

// Whether the tax lies more than the tolerance away from rate percent of the base. Compared
// in hundredths of ten-thousandths, so that no rounding moves the border.
bool FarFromRate(Money tax, Money base, int rate) {
    const int64_t difference = tax.raw() * 100 - base.raw() * rate;
    const int64_t tolerance = kToleranceRoubles * Money::kScale * 100;
    return difference > tolerance || difference < -tolerance;
}

}  // namespace

TfmInput30SourseIncome::TfmInput30SourseIncome(ScreenHost& host, int rate)
    : TSourceEntryDialog(host, QStringLiteral("Доход в виде дивидендов"), 10, SourceRule::Organization,
                         kSectionDividends),
      m_rate(rate) {
    setObjectName(QStringLiteral("fmInput30SourseIncome"));
    meDividends = parts::MoneyEdit(this, "meDividends");
    meTaxable = parts::MoneyEdit(this, "meTaxable");
    meHoldSum = parts::RoublesEdit(this, "meHoldSum");
    meTaxIsch = parts::RoublesEdit(this, "meTaxIsch");
    Form()->addRow(QStringLiteral("Сумма дивидендов"), meDividends);
    Form()->addRow(QStringLiteral("Облагаемая сумма дивидендов"), meTaxable);
    Form()->addRow(QStringLiteral("Удержанный налог"), meHoldSum);
    Form()->addRow(QStringLiteral("Исчисленный налог"), meTaxIsch);
    m_fields.Money(meDividends, &mTThirtyPercent::TotalIncome);
    m_fields.Money(meTaxable, &mTThirtyPercent::TaxableAmount);
    m_fields.WholeRoubles(meHoldSum, &mTThirtyPercent::TaxWithheld);
    m_fields.WholeRoubles(meTaxIsch, &mTThirtyPercent::TaxComputed);
}

void TfmInput30SourseIncome::Fill(const mTThirtyPercent& source) {
    FillSource(source);
    m_fields.Load(source);
}

void TfmInput30SourseIncome::Apply(mTThirtyPercent& source) const {
    ApplySource(source);
    m_fields.Save(source);
}

int TfmInput30SourseIncome::CheckAmounts(ISourceCheckDialog& dialog) {
    const Money dividends = MoneyFieldValue(meDividends->text());
    const Money taxable = MoneyFieldValue(meTaxable->text());
    const Money withheld = Roubles(meHoldSum);
    const Money computed = Roubles(meTaxIsch);
    auto problem = [&](bool failing, const char* message, int item) {
        return failing && Blocks(dialog, message, true) ? item : 0;
    };
    if (int item = problem(taxable > dividends, "Сумма дивидендов меньше облагаемой суммы дивидендов", kItemDividends))
        return item;
    if (!(taxable + withheld).IsZero()) {
        int item = dividends.IsZero() ? problem(true, "Не указана сумма дивидендов", kItemDividends)
                                      : problem(withheld > dividends,
                                                "Сумма дивидендов меньше суммы удержанного налога", kItemWithheld);
        if (item == 0)
            item = problem(withheld > taxable, "Облагаемая сумма дивидендов меньше суммы удержанного налога",
                           kItemWithheld);
        if (item != 0)
            return item;
    }
    if (int item = problem(computed.IsZero(), "Не указан исчисленный налог", kItemComputed))
        return item;
    const std::string far =
        "Исчисленный налог значительно отличается от " + std::to_string(m_rate) + "% от облагаемой суммы диведендов";
    return problem(FarFromRate(computed, taxable, m_rate), far.c_str(), kItemComputed);
}

void TfmInput30SourseIncome::FocusAmount(int item) {
    switch (item) {
        case kItemDividends:
            meDividends->setFocus();
            break;
        case kItemWithheld:
            meHoldSum->setFocus();
            break;
        case kItemComputed:
            meTaxIsch->setFocus();
            break;
        default:
            break;
    }
}

}  // namespace zizaza
