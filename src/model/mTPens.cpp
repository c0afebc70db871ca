#include "model/mTPens.h"

#include "model/RecordIo.h"

namespace zizaza {
namespace {

template <class Self, class Io>
void transfer(Self& r, Io& io, uint16_t position) {
    io.Stream(recordio::Numbered("@PensSub", position));
    io.Integer(r.ContractKind);
    io.Text(r.OrganizationName);
    io.Text(r.Inn);
    io.Text(r.Kpp);
    io.Text(r.ContractNumber);
    io.DateTime(r.ContractDate);
    io.Currency(r.Contribution);
    io.Currency(r.ContributionToDeduct);
    io.Currency(r.AgentDeduction);
}

}  // namespace

void mTPens::SaveToStorage(mTDocumentStorage& storage, uint16_t position) const {
    recordio::WithCaller(375, [&] {
        recordio::Writer io(storage);
        transfer(*this, io, position);
    });
}

void mTPens::LoadFromStorage(mTDocumentStorage& storage, uint16_t position) {
    recordio::WithCaller(376, [&] {
        recordio::Reader io(storage);
        transfer(*this, io, position);
    });
}

uint64_t mTPens::ComputeSize(uint16_t position) const {
    recordio::Sizer io;
    transfer(*this, io, position);
    return io.Total();
}

}  // namespace zizaza
