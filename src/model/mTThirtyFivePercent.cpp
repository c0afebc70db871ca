#include "model/mTThirtyFivePercent.h"

#include "model/RecordIo.h"

namespace zizaza {
namespace {

template <class Self, class Io>
void transfer(Self& r, Io& io, uint16_t position) {
    io.Stream(recordio::Numbered("@ThirtyFivePercent", position));
    io.Integer(r.IncomeCode);
    io.Text(r.Inn);
    io.Text(r.Kpp);
    io.Text(r.Oktmo);
    io.Text(r.Name);
    io.Currency(r.TotalIncome);
    io.Integer(r.DeductionCode);
    io.Currency(r.DeductionAmount);
    io.Currency(r.TaxWithheld);
}

}  // namespace

void mTThirtyFivePercent::SaveToStorage(mTDocumentStorage& storage, uint16_t position, bool) const {
    recordio::WithCaller(373, [&] {
        recordio::Writer io(storage);
        transfer(*this, io, position);
    });
}

void mTThirtyFivePercent::LoadFromStorage(mTDocumentStorage& storage, uint16_t position, bool) {
    recordio::WithCaller(374, [&] {
        recordio::Reader io(storage);
        transfer(*this, io, position);
    });
}

uint64_t mTThirtyFivePercent::ComputeSize(uint16_t position) const {
    recordio::Sizer io;
    transfer(*this, io, position);
    return io.Total();
}

}  // namespace zizaza
