#include "model/mTThirtyPercent.h"

#include "model/RecordIo.h"

namespace zizaza {
namespace {

template <class Self, class Io>
void transfer(Self& r, Io& io, uint16_t position, bool dividends) {
    io.Stream(recordio::Numbered(dividends ? "@ThirtyPercent" : "@NinePercent", position));
    io.Integer(r.IncomeCode);
    io.Text(r.Inn);
    io.Text(r.Kpp);
    io.Text(r.Oktmo);
    io.Text(r.Name);
    io.Currency(r.TotalIncome);
    io.Currency(r.TaxComputed);
    io.Currency(r.TaxableAmount);
    io.Currency(r.TaxWithheld);
}

}  // namespace

void mTThirtyPercent::SaveToStorage(mTDocumentStorage& storage, uint16_t position, bool dividends) const {
    recordio::WithCaller(375, [&] {
        recordio::Writer io(storage);
        transfer(*this, io, position, dividends);
    });
}

void mTThirtyPercent::LoadFromStorage(mTDocumentStorage& storage, uint16_t position, bool dividends) {
    recordio::WithCaller(376, [&] {
        recordio::Reader io(storage);
        transfer(*this, io, position, dividends);
    });
}

uint64_t mTThirtyPercent::ComputeSize(uint16_t position, bool dividends) const {
    recordio::Sizer io;
    transfer(*this, io, position, dividends);
    return io.Total();
}

}  // namespace zizaza
