#include "model/mTNalog.h"

#include "model/RecordIo.h"

namespace zizaza {
namespace {

template <class Self, class Io>
void transfer(Self& r, Io& io, uint16_t position) {
    io.Stream(recordio::Numbered("@NalogSub", position));
    io.Text(r.FirstText);
    io.Text(r.SecondText);
    io.Currency(r.Amount);
}

}  // namespace

void mTNalog::SaveToStorage(mTDocumentStorage& storage, uint16_t position) const {
    recordio::WithCaller(375, [&] {
        recordio::Writer io(storage);
        transfer(*this, io, position);
    });
}

void mTNalog::LoadFromStorage(mTDocumentStorage& storage, uint16_t position) {
    recordio::WithCaller(376, [&] {
        recordio::Reader io(storage);
        transfer(*this, io, position);
    });
}

uint64_t mTNalog::ComputeSize(uint16_t position) const {
    recordio::Sizer io;
    transfer(*this, io, position);
    return io.Total();
}

}  // namespace zizaza
