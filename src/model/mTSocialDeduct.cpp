#include "model/mTSocialDeduct.h"

#include "model/TaxFacts.h"
#include "storage/StorageErrors.h"

#include "model/RecordIo.h"

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
    const Money limit = kChildEducationLimit;
    Money total;
    for (Money m : m_childEducation)
        total += Min(m, limit);
    return total;
}

size_t mTSocialDeduct::AddContract() {
    return m_contracts.Add();
}

namespace {

template <class Self, class Io>
void transferTail(Self& r, Io& io) {
    io.Currency(r.Medical);
    io.Currency(r.ExpensiveMedical);
    io.Currency(r.VoluntaryInsurance);
    io.Currency(r.AdditionalPensionContributions);
    io.Currency(r.AgentSocialDeductions);
    io.Currency(r.QualificationAssessment);
}

template <class Io>
void writeOrCount(const mTSocialDeduct& r, Io& io) {
    io.Stream("@SocialDeduct");
    io.Flag(r.Granted);
    if (!r.Granted)
        return;
    io.Currency(r.Charity);
    io.Currency(r.OwnEducation);
    io.Integer(static_cast<int32_t>(r.ChildEducationCount()));
    for (size_t i = 0; i < r.ChildEducationCount(); ++i)
        io.Currency(r.ChildEducation(i));
    transferTail(r, io);
    io.Stream("@Pens");
    io.Word(recordio::WordCount(r.ContractCount()));
}

}  // namespace

void mTSocialDeduct::SaveToStorage(mTDocumentStorage& storage) const {
    recordio::WithCaller(383, [&] {
        recordio::Writer io(storage);
        writeOrCount(*this, io);
        if (Granted) {
            for (size_t i = 0; i < m_contracts.Count(); ++i)
                m_contracts.At(i).SaveToStorage(storage, static_cast<uint16_t>(i));
        }
    });
}

void mTSocialDeduct::LoadFromStorage(mTDocumentStorage& storage) {
    recordio::WithCaller(384, [&] {
        recordio::Reader io(storage);
        io.Stream("@SocialDeduct");
        io.Flag(Granted);
        if (!Granted)
            return;
        io.Currency(Charity);
        io.Currency(OwnEducation);
        int32_t count = 0;
        io.Integer(count);
        std::vector<Money> amounts;
        for (int32_t i = 0; i < count; ++i)
            io.Currency(amounts.emplace_back());
        m_childEducation = std::move(amounts);
        transferTail(*this, io);
        io.Stream("@Pens");
        uint16_t contracts = 0;
        io.Word(contracts);
        for (uint16_t i = 0; i < contracts; ++i)
            m_contracts.At(m_contracts.Add()).LoadFromStorage(storage, i);
    });
}

uint64_t mTSocialDeduct::ComputeSize() const {
    recordio::Sizer io;
    writeOrCount(*this, io);
    if (Granted) {
        for (size_t i = 0; i < m_contracts.Count(); ++i)
            io.Add(m_contracts.At(i).ComputeSize(static_cast<uint16_t>(i)));
    }
    return io.Total();
}

}  // namespace zizaza
