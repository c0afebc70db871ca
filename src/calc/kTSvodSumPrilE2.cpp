#include "calc/kTSvodSumPrilE2.h"

#include "calc/kTSvodSumPrilE3.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"

namespace zizaza {
void kTSvodSumPrilE2::Reset() {
    *this = kTSvodSumPrilE2();
}

bool kTSvodSumPrilE2::Compute(const mTDeclaration& doc, const kTSvodSumPrilE3& e3, const Inputs& in) {
    Reset();
    const mTSocialDeduct& sd = doc.SocialDeductions;
    if (!sd.Granted || doc.DeclarationForm != kForm3Ndfl)
        return true;

    // Charity is limited to a share of the income; an income below 0 allows none.
    static_assert(100 % kCharityIncomeSharePercent == 0, "the share is a whole part of the income");
    const Money income = in.Income13 + in.ForeignOtherIncome13 + in.BusinessIncome + e3.ИнвВычПредВосст -
                         in.ForeignLiquidationIncome13 - in.ExemptTotal;
    СумБлагЦел = sd.Charity;
    if (sd.Charity * (100 / kCharityIncomeSharePercent) >
        income)  // checked: a product beyond the range of amounts is an error
        СумБлагЦел = Max(Money::FromRaw(income.raw() / 100 * kCharityIncomeSharePercent +
                                        income.raw() % 100 * kCharityIncomeSharePercent / 100)
                             .TruncKopecks(),
                         Money());

    СумОбуч = sd.OwnEducation;
    for (size_t i = 0; i < sd.ChildEducationCount(); ++i)
        СумОбучБезЛим += Min(sd.ChildEducation(i), kChildEducationLimit);

    СумЛечен = sd.Medical;
    СумЛеченБезЛим = sd.ExpensiveMedical;
    СумЛичСтрах = sd.VoluntaryInsurance;
    СумОценКвалиф = sd.QualificationAssessment;
    СумПенсСтрах = e3.ОбщВзносВыч;

    ИтогВычСоциал = СумБлагЦел + СумОбучБезЛим + СумЛеченБезЛим;
    ОбщСумРасх = Min(kSocialCommonLimit, СумЛичСтрах + СумПенсСтрах + СумОбуч + СумЛечен + СумОценКвалиф);
    ОбщСНВОтчПерНА = Min(e3.AgentPensionDeductions + sd.AgentSocialDeductions, ИтогВычСоциал + ОбщСумРасх);
    ОбщВычСоциал = Max(ИтогВычСоциал + ОбщСумРасх - ОбщСНВОтчПерНА, Money());
    return true;
}

}  // namespace zizaza
