#pragma once

#include "model/OwnedList.h"
#include "model/mTConstructionDeductObj.h"
#include "storage/Money.h"

#include <memory>

namespace zizaza {

class mTDocumentStorage;

// The property deduction on purchase with its list of objects.
class mTConstructionDeduct {
public:
    bool operator==(const mTConstructionDeduct&) const = default;
    bool Granted = false;         // "Предоставить имущественный налоговый вычет"
    Money FirstCarried;           // stored; copied into the property sheet of the calculation
    Money FirstWorking;           // not stored
    Money SecondCarried;          // stored; copied into the property sheet
    Money SecondWorking;          // not stored
    Money PreviousYearsPurchase;  // deduction of earlier years, purchase expenses
    Money PreviousYearsInterest;  // the same, credit interest
    Money AgentPurchase;          // at the tax agent this year, purchase expenses
    Money AgentInterest;          // the same, credit interest

    size_t ObjectCount() const { return m_objects.Count(); }
    mTConstructionDeductObj& Object(size_t index) { return m_objects.At(index); }
    const mTConstructionDeductObj& Object(size_t index) const { return m_objects.At(index); }
    // Takes the object; returns its index.
    size_t AddObject(std::unique_ptr<mTConstructionDeductObj> object) { return m_objects.Append(std::move(object)); }
    // With an object it takes the index; with nullptr the object at index is removed.
    void SetObject(size_t index, std::unique_ptr<mTConstructionDeductObj> object) {
        m_objects.Set(index, std::move(object));
    }
    const OwnedList<mTConstructionDeductObj>& Objects() const { return m_objects; }

    void SaveToStorage(mTDocumentStorage& storage) const;
    void LoadFromStorage(mTDocumentStorage& storage);
    uint64_t ComputeSize() const;

private:
    OwnedList<mTConstructionDeductObj> m_objects;
};

}  // namespace zizaza
