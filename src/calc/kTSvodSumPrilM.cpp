#include "calc/kTSvodSumPrilM.h"

#include "calc/SheetMath.h"
#include "calc/kTSvodSumPrilA35.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"

#include <optional>

namespace zizaza {
namespace {

constexpr int32_t kPrizeIncome = 2740;
const Money kPrizeLimit = kExemptLimit217p28;

struct ExemptRule {
    kTExemptIncome kTSvodSumPrilM::*kind;
    int32_t incomeCode;
    int32_t deductionCode;
    std::optional<Money> limit;  // none: the line's deduction amount is taken
};

const ExemptRule kRules[] = {
    // Aid at the birth of a child: each payment line takes its claimed amount, never more than the
    // aid itself nor than the limit per child.
    {&kTSvodSumPrilM::МатПомРожд, 2762, 508, std::nullopt},
    {&kTSvodSumPrilM::МатПомРаб, 2760, 503, kExemptLimit217p28},
    {&kTSvodSumPrilM::ДопСВПенс, 1211, 510, kExemptPensionContributionLimit},
    {&kTSvodSumPrilM::МатПомИнв, 2761, 506, kExemptLimit217p28},
    {&kTSvodSumPrilM::ПодарНП, 2720, 501, kExemptLimit217p28},
    {&kTSvodSumPrilM::ПризНП, 2730, 502, kExemptLimit217p28},
    {&kTSvodSumPrilM::ВозмМед, 2770, 504, kExemptLimit217p28},
    {&kTSvodSumPrilM::ПомПодар, 2790, 507, kExemptVeteranAidLimit},
};

}  // namespace

void kTSvodSumPrilM::Reset() {
    *this = kTSvodSumPrilM();
}

void kTSvodSumPrilM::addExemptLine(int32_t incomeCode, int32_t deductionCode, Money income, Money deduction) {
    for (const ExemptRule& rule : kRules) {
        if (rule.incomeCode != incomeCode)
            continue;
        kTExemptIncome& kind = this->*rule.kind;
        kind.ДоходВсИст += income;
        if (deductionCode == rule.deductionCode)
            kind.ДоходНеНал +=
                rule.limit ? Min(income, *rule.limit) : AtLeastZero(Min(Min(deduction, income), kBirthAidExemptLimit));
        return;
    }
}

void kTSvodSumPrilM::limitExemptTotals() {
    for (const ExemptRule& rule : kRules) {
        if (!rule.limit)
            continue;
        kTExemptIncome& kind = this->*rule.kind;
        kind.ДоходНеНал = Min(kind.ДоходНеНал, *rule.limit);
    }
}

void kTSvodSumPrilM::computeResidentPrizes(const mTDeclaration& declaration, kTSvodSumPrilA35* incomes35) {
    // One limit of 4000 for all prizes of the year, taken by the sources in list order.
    Money remaining = kPrizeLimit;
    for (size_t i = 0; i < declaration.Income35Count(); ++i) {
        const mTThirtyFivePercent& source = declaration.Income35(i);
        if (source.IncomeCode != kPrizeIncome || source.DeductionCode == 0)
            continue;
        ПризРекл.ДоходВсИст += source.TotalIncome;
        Money exempt = AtLeastZero(Min(Min(source.DeductionAmount, source.TotalIncome), remaining));
        if (incomes35 && i < incomes35->Sources.size()) {
            kTSourceTax35& tax = incomes35->Sources[i];
            tax.TaxableAmount = source.TotalIncome - exempt;
            tax.TaxComputed = PercentInWholeRoubles(tax.TaxableAmount, kRatePercent35);
        }
        ПризРекл.ДоходНеНал += exempt;
        remaining -= exempt;
    }
}

void kTSvodSumPrilM::computeNonResidentPrizes(const mTDeclaration& declaration) {
    for (const mTThirteenPercent& source : declaration.ResidentIncomes13()) {
        for (const mTSourseIncome& line : source.Lines()) {
            if (line.IncomeCode != kPrizeIncome || line.DeductionCode == 0)
                continue;
            ПризРекл.ДоходВсИст += line.IncomeAmount;
            // Never more exempt than the prize itself.
            ПризРекл.ДоходНеНал += AtLeastZero(Min(line.DeductionAmount, line.IncomeAmount));
        }
    }
}

bool kTSvodSumPrilM::Compute(const mTDeclaration& declaration, kTSvodSumPrilA35* incomes35) {
    Reset();
    bool foreign = declaration.HasIncome(kIncomeForeign);
    if (declaration.ResidentIncome13Count() > 0 || foreign) {
        // A non-resident's ResidentIncomes13 (the 30% sources) is taken as well.
        for (const mTThirteenPercent& source : declaration.ResidentIncomes13())
            for (const mTSourseIncome& line : source.Lines())
                addExemptLine(line.IncomeCode, line.DeductionCode, line.IncomeAmount, line.DeductionAmount);
        if (foreign)
            for (const mTCurrencyIncome& record : declaration.CurrencyIncomes())
                addExemptLine(record.IncomeCode, record.DeductionCode, record.IncomeInRoubles, record.DeductionAmount);
        limitExemptTotals();
    }
    ДохНеНалОбщ = Money();
    for (const ExemptRule& rule : kRules)
        ДохНеНалОбщ += (this->*rule.kind).ДоходНеНал;
    ДохНеНалОбщ += НатОплСХ.ДоходНеНал;

    if (declaration.DeclarationForm == kForm3Ndfl)
        computeResidentPrizes(declaration, incomes35);
    else if (declaration.DeclarationForm == kForm3NdflNonResident)
        computeNonResidentPrizes(declaration);
    ПризРекл.ДоходНеНал = Min(ПризРекл.ДоходНеНал, kPrizeLimit);
    return true;
}

}  // namespace zizaza
