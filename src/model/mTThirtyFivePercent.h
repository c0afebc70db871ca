#pragma once

#include "model/mTSourseIncomeInfo.h"

namespace zizaza {

// A source of incomes at 35% (list Incomes35). TotalIncome is the income amount typed in.
class mTThirtyFivePercent : public mTSourseIncomeInfo {
public:
    int32_t IncomeCode = 0;
    int32_t DeductionCode = 0;
    Money DeductionAmount;
    // Not stored: the income sheet of the calculation sets them.
    Money TaxComputed;
    Money TaxableAmount;

    void SaveToStorage(mTDocumentStorage& storage, uint16_t position, bool variant = false) const override;
    void LoadFromStorage(mTDocumentStorage& storage, uint16_t position, bool variant = false) override;
    uint64_t ComputeSize(uint16_t position) const;
};

}  // namespace zizaza
