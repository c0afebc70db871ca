#include "model/mTSocialDeduct.h"

#include "storage/StorageErrors.h"

namespace zizaza {
namespace {

// An index outside the list: the first number for an empty list, the second for one beyond.
[[noreturn]] void badIndex(uint16_t emptyNumber, bool empty) {
    throw mEMemoryAllocate(std::string(storage_messages::kNoMemory),
                           static_cast<uint16_t>(empty ? emptyNumber : emptyNumber + 1));
}

}  // namespace

size_t mTSocialDeduct::AddChildEducation(Money amount) {
    m_childEducation.push_back(amount);
    return m_childEducation.size() - 1;
}

Money mTSocialDeduct::ChildEducation(size_t index) const {
    if (index >= m_childEducation.size())
        badIndex(310, m_childEducation.empty());
    return m_childEducation[index];
}

void mTSocialDeduct::SetChildEducation(size_t index, Money amount) {
    if (index >= m_childEducation.size())
        badIndex(320, m_childEducation.empty());
    m_childEducation[index] = amount;
}

void mTSocialDeduct::DeleteChildEducation(size_t index) {
    if (index >= m_childEducation.size())
        badIndex(330, m_childEducation.empty());
    m_childEducation.erase(m_childEducation.begin() + static_cast<std::ptrdiff_t>(index));
}

Money mTSocialDeduct::ChildEducationTotal() const {
    const Money limit = Money::Roubles(50000);
    Money total;
    for (Money m : m_childEducation)
        total += Min(m, limit);
    return total;
}

size_t mTSocialDeduct::AddContract() { return m_contracts.Add(); }

}  // namespace zizaza
