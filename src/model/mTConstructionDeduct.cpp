#include "model/mTConstructionDeduct.h"

#include "model/RecordIo.h"

namespace zizaza {
namespace {

// The working values are not stored.
template <class Self, class Io>
void transfer(Self& r, Io& io) {
    io.Stream("@ConstructionDeduct");
    io.Flag(r.Granted);
    if (!r.Granted)
        return;
    io.Currency(r.FirstCarried);
    io.Currency(r.SecondCarried);
    io.Currency(r.PreviousYearsPurchase);
    io.Currency(r.PreviousYearsInterest);
    io.Currency(r.AgentPurchase);
    io.Currency(r.AgentInterest);
}

}  // namespace

void mTConstructionDeduct::SaveToStorage(mTDocumentStorage& storage) const {
    recordio::WithCaller(385, [&] {
        recordio::Writer io(storage);
        transfer(*this, io);
        if (!Granted)
            return;
        int32_t count = recordio::WordCount(m_objects.Count());
        io.Integer(count);
        for (size_t i = 0; i < m_objects.Count(); ++i)
            m_objects.At(i).SaveToStorage(storage, static_cast<uint16_t>(i));
    });
}

void mTConstructionDeduct::LoadFromStorage(mTDocumentStorage& storage) {
    recordio::WithCaller(386, [&] {
        recordio::Reader io(storage);
        transfer(*this, io);
        if (!Granted)
            return;
        // Written as an integer, read as a word.
        uint16_t count = 0;
        io.Word(count);
        for (uint16_t i = 0; i < count; ++i) {
            auto object = std::make_unique<mTConstructionDeductObj>();
            object->LoadFromStorage(storage, i);
            m_objects.Append(std::move(object));
        }
    });
}

uint64_t mTConstructionDeduct::ComputeSize() const {
    recordio::Sizer io;
    transfer(*this, io);
    if (Granted) {
        io.Integer(static_cast<int32_t>(m_objects.Count()));
        for (size_t i = 0; i < m_objects.Count(); ++i)
            io.Add(m_objects.At(i).ComputeSize(static_cast<uint16_t>(i)));
    }
    return io.Total();
}

}  // namespace zizaza
