#include "model/mTConstructionDeductObj.h"

#include "model/RecordIo.h"

namespace zizaza {
namespace {

template <class Self, class Io>
void transfer(Self& r, Io& io, uint16_t position) {
    io.Stream(recordio::Numbered("@ConstructionDeductObj", position));
    recordio::Coded(io, r.ObjectKind);
    recordio::Coded(io, r.OwnershipKind);
    recordio::Coded(io, r.TaxpayerSign);
    io.DateTime(r.OwnershipRegistrationDate);
    io.DateTime(r.TransferActDate);
    io.DateTime(r.FirstYearOfUse);
    io.DateTime(r.ApplicationDate);
    io.DateTime(r.LandRegistrationDate);
    io.Integer(r.ShareNumerator);
    io.Integer(r.ShareDenominator);
    io.Flag(r.ByInvestment);
    io.Flag(r.Pensioner);
    io.Currency(r.Cost);
    io.Currency(r.Interest);
    recordio::Coded(io, r.NumberKind);
    io.Text(r.Number);
    io.Text(r.Place);
}

}  // namespace

void mTConstructionDeductObj::SaveToStorage(mTDocumentStorage& storage, uint16_t position) const {
    recordio::WithCaller(397, [&] {
        recordio::Writer io(storage);
        transfer(*this, io, position);
    });
}

void mTConstructionDeductObj::LoadFromStorage(mTDocumentStorage& storage, uint16_t position) {
    recordio::WithCaller(398, [&] {
        recordio::Reader io(storage);
        transfer(*this, io, position);
    });
}

uint64_t mTConstructionDeductObj::ComputeSize(uint16_t position) const {
    recordio::Sizer io;
    transfer(*this, io, position);
    return io.Total();
}

}  // namespace zizaza
