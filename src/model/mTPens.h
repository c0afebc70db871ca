#pragma once

#include "storage/Date.h"
#include "storage/Money.h"

#include <cstdint>
#include <string>

namespace zizaza {

class mTDocumentStorage;

// A pension or insurance contract of the social deductions.
class mTPens {
public:
    bool operator==(const mTPens&) const = default;
    // 1 non-state pension, 2 voluntary pension insurance, 3 voluntary life insurance,
    // 4 additional contributions to the funded pension.
    int32_t ContractKind = 0;
    // The kind without an organisation or contract number of its own.
    static constexpr int32_t kAdditionalContributions = 4;
    std::string OrganizationName;  // "Наименование организации или фонда"
    std::string Inn;
    std::string Kpp;
    std::string ContractNumber;  // "Номер договора"
    Date ContractDate;           // "Дата договора"
    Money Contribution;          // "Сумма взноса"
    Money ContributionToDeduct;  // "Сумма взноса к вычету"
    Money AgentDeduction;        // deduction at the tax agent (codes 327 / 328)

    void SaveToStorage(mTDocumentStorage& storage, uint16_t position) const;
    void LoadFromStorage(mTDocumentStorage& storage, uint16_t position);
    uint64_t ComputeSize(uint16_t position) const;
};

}  // namespace zizaza
