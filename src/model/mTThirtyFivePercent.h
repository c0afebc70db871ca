#pragma once

#include "model/mTSourseIncomeInfo.h"

namespace zizaza {

// A source of incomes at 35% (list Incomes35). TotalIncome is the income amount typed in.
class mTThirtyFivePercent : public mTSourseIncomeInfo {
public:
    bool operator==(const mTThirtyFivePercent&) const = default;
    int32_t IncomeCode = 0;
    Money TotalIncome;
    int32_t DeductionCode = 0;
    Money DeductionAmount;
    // The taxable amount and the tax are the calculation's (kTSvodSumPrilA35).

    Money Income() const override { return TotalIncome; }

    void SaveToStorage(mTDocumentStorage& storage, uint16_t position, bool variant = false) const override;
    void LoadFromStorage(mTDocumentStorage& storage, uint16_t position, bool variant = false) override;
    uint64_t ComputeSize(uint16_t position) const;
};

}  // namespace zizaza
