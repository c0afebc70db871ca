#pragma once

#include "model/OwnedList.h"
#include "model/mTPens.h"
#include "storage/Money.h"

#include <memory>
#include <vector>

namespace zizaza {

class mTDocumentStorage;

// Social deductions ("Социальные налоговые вычеты") with the pension and insurance contracts.
class mTSocialDeduct {
public:
    bool operator==(const mTSocialDeduct&) const = default;
    bool Granted = false;  // "Предоставить социальные налоговые вычеты"
    Money Charity;
    Money OwnEducation;
    Money Medical;
    Money ExpensiveMedical;
    Money VoluntaryInsurance;
    Money AdditionalPensionContributions;
    Money AgentSocialDeductions;  // given by the tax agent (codes 320, 321, 324, 325, 326)
    Money QualificationAssessment;

    // Child education amounts, one per child in entry order. An index outside the list raises
    // mEMemoryAllocate ("Не выделена память.", 310/311 get, 320/321 set, 330/331 delete: the
    // first of each pair for an empty list).
    size_t AddChildEducation(Money amount);  // returns the previous count
    Money ChildEducation(size_t index) const;
    void SetChildEducation(size_t index, Money amount);
    void DeleteChildEducation(size_t index);
    size_t ChildEducationCount() const { return m_childEducation.size(); }
    // Each amount limited to the limit per child of its education, summed.
    Money ChildEducationTotal() const;

    size_t AddContract();  // a new empty contract; returns its index
    mTPens& Contract(size_t index) { return m_contracts.At(index); }
    const mTPens& Contract(size_t index) const { return m_contracts.At(index); }
    // With a contract it takes the index; with nullptr the contract at index is removed.
    void SetContract(size_t index, std::unique_ptr<mTPens> contract) { m_contracts.Set(index, std::move(contract)); }
    size_t ContractCount() const { return m_contracts.Count(); }
    const OwnedList<mTPens>& Contracts() const { return m_contracts; }

    void SaveToStorage(mTDocumentStorage& storage) const;
    void LoadFromStorage(mTDocumentStorage& storage);
    uint64_t ComputeSize() const;

private:
    std::vector<Money> m_childEducation;
    OwnedList<mTPens> m_contracts;
};

}  // namespace zizaza
