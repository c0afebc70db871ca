#include "calc/kTSvodSumPrilE3.h"

#include "model/mTDeclaration.h"

namespace zizaza {
namespace {

mbTPens lineOf(const mTPens& c, int32_t kind) {
    mbTPens line;
    line.ВидДоговор = kind;
    line.Наим = c.OrganizationName;
    line.ИННЮЛ = c.Inn;
    line.КПП = c.Kpp;
    line.НомДогНПО = c.ContractNumber;
    line.ДатаДогНПО = c.ContractDate;
    line.СумВзносУпл = c.Contribution;
    line.AgentDeduction = Min(c.AgentDeduction, c.Contribution);
    return line;
}

}  // namespace

void kTSvodSumPrilE3::Reset() {
    *this = kTSvodSumPrilE3();
}

bool kTSvodSumPrilE3::Compute(const mTDeclaration& doc) {
    Reset();
    if (doc.SocialDeductions.Granted && doc.DeclarationForm == kForm3Ndfl) {
        Money remaining = kSocialCommonLimit;
        for (const mTPens& c : doc.SocialDeductions.Contracts()) {
            const bool additional = c.ContractKind == 4;
            if (!additional && (c.ContractKind < 1 || c.ContractKind > 3))
                continue;
            mbTPens line = lineOf(c, additional ? 2 : c.ContractKind);
            line.СумВзносВыч = Min(remaining, c.Contribution);
            remaining = Max(remaining - line.СумВзносВыч, Money());
            AgentPensionDeductions += line.AgentDeduction;
            if (additional) {
                РасчДопСВВыч.СумВзносУпл += line.СумВзносУпл;
                РасчДопСВВыч.СумВзносВыч += line.СумВзносВыч;
                AdditionalContributions.push_back(std::move(line));
            } else {
                ContributionsKinds1To3 += line.СумВзносУпл;
                DeductibleKinds1To3 += line.СумВзносВыч;
                Contracts.push_back(std::move(line));
            }
        }
        DeductibleKinds1To3 = Min(DeductibleKinds1To3, kSocialCommonLimit);
        РасчДопСВВыч.СумВзносВыч = Min(РасчДопСВВыч.СумВзносВыч, kSocialCommonLimit - DeductibleKinds1To3);
        ОбщВзносВыч = DeductibleKinds1To3 + РасчДопСВВыч.СумВзносВыч;
    }
    // A file may hold more than the screen lets one type.
    СумИнвВыч219 = Min(doc.InvestmentDeductionE2, kIisDeductionLimit);
    ИнвВычПредВосст = doc.InvestmentDeductionReturn;
    return true;
}

}  // namespace zizaza
