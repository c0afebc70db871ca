#pragma once

#include "model/TaxFacts.h"
#include "storage/Date.h"
#include "storage/Money.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zizaza {

class mTDeclaration;

// One pension or insurance contract as the declaration lists it.
struct mbTPens {
    int32_t ВидДоговор = 0;  // contract kind
    std::string Наим;        // organization name
    std::string ИННЮЛ;
    std::string КПП;
    std::string НомДогНПО;  // contract number
    Date ДатаДогНПО;        // contract date
    Money СумВзносУпл;      // contribution
    Money СумВзносВыч;      // deductible part
    Money AgentDeduction;   // already deducted by the tax agent
};

// Pension and insurance contracts within the common social limit, and the investment deductions
// entered on the securities screen.
class kTSvodSumPrilE3 {
public:
    std::vector<mbTPens> Contracts;                // kinds 1 to 3
    std::vector<mbTPens> AdditionalContributions;  // kind 4, listed with kind 2
    size_t ContractCount() const { return Contracts.size(); }
    size_t AdditionalContributionCount() const { return AdditionalContributions.size(); }

    Money ContributionsKinds1To3;
    Money DeductibleKinds1To3;
    // Kind 4 totals, exported in the element РасчДопСВВыч.
    struct {
        Money СумВзносУпл;
        Money СумВзносВыч;
    } РасчДопСВВыч;
    Money ОбщВзносВыч;      // pension deductions total
    Money СумИнвВыч219;     // investment deduction
    Money ИнвВычПредВосст;  // restored investment income
    Money AgentPensionDeductions;

    void Reset();
    // Resets; lists the contracts when the social deductions are granted on a resident declaration;
    // takes over the two investment values on any declaration. Always succeeds.
    bool Compute(const mTDeclaration& doc);
};

}  // namespace zizaza
