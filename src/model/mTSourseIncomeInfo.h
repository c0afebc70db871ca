#pragma once

#include "storage/Money.h"

#include <cstdint>
#include <string>

namespace zizaza {

class mTDocumentStorage;

// A source of payment of incomes received in Russia. Each kind writes one stream named after its
// kind and position (and one more per income line where it has lines).
class mTSourseIncomeInfo {
public:
    virtual ~mTSourseIncomeInfo() = default;

    std::string Inn;
    std::string Kpp;
    std::string Oktmo;
    std::string Name;
    // For sources with lines: the sum of the lines' income amounts, kept by AddLine and
    // ReplaceLine and not stored. For the others: the income amount, stored.
    Money TotalIncome;
    Money TaxWithheld;
    // "01" to "10": written by the income sheet of the calculation each time it runs; not stored.
    std::string IncomeKindCode;

    // position: the record's index in its list; variant selects one of a class's two stream names
    // (ignored by classes that have one).
    virtual void SaveToStorage(mTDocumentStorage& storage, uint16_t position, bool variant) const = 0;
    virtual void LoadFromStorage(mTDocumentStorage& storage, uint16_t position, bool variant) = 0;

protected:
    mTSourseIncomeInfo() = default;
    mTSourseIncomeInfo(const mTSourseIncomeInfo&) = default;
    mTSourseIncomeInfo& operator=(const mTSourseIncomeInfo&) = default;
};

}  // namespace zizaza
