#include "calc/kTSvodSumPrilZ.h"

#include "model/mTDeclaration.h"
#include "storage/NumberText.h"

namespace zizaza {
namespace {

constexpr Money kLimitBefore2008 = Money::Roubles(1000000);
constexpr Money kLimit = Money::Roubles(2000000);

// The share entered for an object; a denominator of 0 means no share was entered, and the
// object counts as owned whole.
double shareOf(const mTConstructionDeductObj& o) {
    if (o.ShareDenominator == 0)
        return 1.0;
    return static_cast<double>(o.ShareNumerator) / o.ShareDenominator;
}

// The limit of a single object by the year it was acquired; objects acquired before 2014 follow
// the earlier rules.
Money limitOf(mTConstructionDeductObj& o) {
    const int year = (o.ByInvestment ? o.TransferActDate : o.OwnershipRegistrationDate).Year();
    if (year < 2014)
        o.RuleMarker = -1;
    return year < 2008 ? kLimitBefore2008 : kLimit;
}

}  // namespace

void kTSvodSumPrilZ::Reset() {
    *this = kTSvodSumPrilZ();
}

bool kTSvodSumPrilZ::Compute(mTDeclaration& doc, const Inputs& in) {
    Reset();
    mTConstructionDeduct& pd = doc.PropertyDeductions;
    if (!pd.Granted || doc.DeclarationForm != kForm3Ndfl || pd.ObjectCount() == 0)
        return true;

    for (size_t i = 0; i < pd.ObjectCount(); ++i) {
        mTConstructionDeductObj& o = pd.Object(i);
        TotalCost += o.Cost;
        TotalInterest += o.Interest;
        o.RuleMarker = 0;
    }

    Money baseLimit = kLimit;
    ShareFactor = 1.0;
    mTConstructionDeductObj* single = nullptr;
    if (pd.ObjectCount() == 1)
        single = &pd.Object(0);
    else if (pd.ObjectCount() == 2 && !(pd.Object(0).Cost > Money() && pd.Object(1).Cost > Money()))
        single = pd.Object(0).Cost > Money() ? &pd.Object(0) : &pd.Object(1);
    if (single) {
        ShareFactor = shareOf(*single);
        baseLimit = limitOf(*single);
    }

    const double cap = baseLimit.ToDouble() * ShareFactor;
    double cost = TotalCost.ToDouble();
    if (cost > cap)
        cost = cap;
    TotalCost = Money::FromDouble(RoundTo2(cost));

    Money remaining = TotalCost;
    for (size_t i = 0; i < pd.ObjectCount(); ++i) {
        mTConstructionDeductObj& o = pd.Object(i);
        o.AssignedDeduction = Min(o.Cost, remaining);
        remaining = Max(remaining - o.Cost, Money());
    }

    ВычНАУвед = pd.AgentPurchase;
    ПроцНАУвед = pd.AgentInterest;
    ВычНовЗачПред = pd.PreviousYearsPurchase;
    ВычПроцЗачПред = pd.PreviousYearsInterest;
    FirstCarried = pd.FirstCarried;
    SecondCarried = pd.SecondCarried;

    const Money available =
        in.Income13 + in.ForeignOtherIncome13 + in.BusinessIncome + in.RestoredInvestmentIncome -
        (in.BusinessExpenses + in.SaleDeduction + in.ExemptTotal + in.ProfessionalDeductions + in.SocialDeductionsDue +
         in.InvestmentDeduction + in.SocialDeductionsByAgents + in.ForeignLiquidationIncome13 + in.StandardDeductions +
         in.IncomeReductions + ВычНАУвед + ПроцНАУвед);
    НалБаз13БезВыч = Max(available, Money());

    РасхНовВычНД = Max(TotalCost - ВычНовЗачПред - ВычНАУвед, Money());
    ПроцВычНД = Max(TotalInterest - ВычПроцЗачПред - ПроцНАУвед, Money());
    if (НалБаз13БезВыч < РасхНовВычНД)
        РасхНовВычНД = НалБаз13БезВыч;
    if (НалБаз13БезВыч < РасхНовВычНД + ПроцВычНД)
        ПроцВычНД = НалБаз13БезВыч - РасхНовВычНД;

    ОстИВБезПроц = Max(TotalCost - ВычНовЗачПред - ВычНАУвед - РасхНовВычНД, Money());
    ОстИВУплПроц = Max(TotalInterest - ВычПроцЗачПред - ПроцНАУвед - ПроцВычНД, Money());
    return true;
}

}  // namespace zizaza
