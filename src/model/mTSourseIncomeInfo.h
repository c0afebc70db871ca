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
    bool operator==(const mTSourseIncomeInfo&) const = default;
    virtual ~mTSourseIncomeInfo() = default;

    std::string Inn;
    std::string Kpp;
    std::string Oktmo;
    std::string Name;
    Money TaxWithheld;

    // The income of the source: the sum of its lines' income amounts for a source with lines,
    // the income amount typed in for the others.
    virtual Money Income() const = 0;

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
