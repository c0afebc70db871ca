#pragma once

#include "model/mTSourseIncomeInfo.h"

namespace zizaza {

// A source of dividends (list Incomes30, variant true) or of incomes at 9% (list Incomes9,
// variant false).
class mTThirtyPercent : public mTSourseIncomeInfo {
public:
    bool operator==(const mTThirtyPercent&) const = default;
    int32_t IncomeCode = 0;  // the dividend screen sets 1010, the 9% screen 1011
    Money TotalIncome;
    Money TaxComputed;
    Money TaxableAmount;

    Money Income() const override { return TotalIncome; }

    void SaveToStorage(mTDocumentStorage& storage, uint16_t position, bool dividends) const override;
    void LoadFromStorage(mTDocumentStorage& storage, uint16_t position, bool dividends) override;
    uint64_t ComputeSize(uint16_t position, bool dividends) const;
};

}  // namespace zizaza
