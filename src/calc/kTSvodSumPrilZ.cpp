#include "calc/kTSvodSumPrilZ.h"

#include "calc/PropertyLimits.h"
#include "model/mTDeclaration.h"

namespace zizaza {

void kTSvodSumPrilZ::Reset() {
    *this = kTSvodSumPrilZ();
}

bool kTSvodSumPrilZ::Compute(const mTDeclaration& doc, const Inputs& in) {
    Reset();
    const mTConstructionDeduct& pd = doc.PropertyDeductions;
    if (!pd.Granted || doc.DeclarationForm != kForm3Ndfl || pd.ObjectCount() == 0)
        return true;

    const PropertyLimits limits = LimitPropertyDeduction(pd);
    Objects.resize(pd.ObjectCount());
    if (limits.DecidingObject >= 0 && limits.EarlierRules)
        Objects[static_cast<size_t>(limits.DecidingObject)].RuleMarker = -1;
    ShareFactor = limits.ShareFactor;
    TotalCost = limits.Cost;
    TotalInterest = limits.Interest;

    Money remaining = TotalCost;
    for (size_t i = 0; i < pd.ObjectCount(); ++i) {
        const mTConstructionDeductObj& o = pd.Object(i);
        if (limits.Objects[i].Interest == PropertyInterestRole::Counts)
            Objects[i].Interest = o.Interest;
        if (limits.Objects[i].Purchase != PropertyObjectRole::Counts)
            continue;
        Objects[i].AssignedDeduction = Min(o.Cost, remaining);
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
