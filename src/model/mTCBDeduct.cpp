#include "model/mTCBDeduct.h"

#include <stdexcept>
#include <string>

#include "model/RecordIo.h"
#include "model/TaxFacts.h"

namespace zizaza {

namespace {

// The file keeps each kind's three newest years first, then the seven older ones.
constexpr int kNewestBlockFrom = kNewestCarriedLossYear - 2;

}  // namespace

size_t mTCBDeduct::index(int year, bool derivatives) {
    size_t base = derivatives ? 10 : 0;
    if (year >= kNewestBlockFrom && year <= kNewestCarriedLossYear)
        return base + static_cast<size_t>(year - kNewestBlockFrom);
    if (year >= kOldestCarriedLossYear && year < kNewestBlockFrom)
        return base + 3 + static_cast<size_t>(year - kOldestCarriedLossYear);
    throw std::out_of_range("loss year " + std::to_string(year));
}

Money mTCBDeduct::LossTotalSecurities() const {
    Money total;
    for (size_t i = 0; i < 10; ++i)
        total += Values[i];
    return total;
}

Money mTCBDeduct::LossTotalDerivatives() const {
    Money total;
    for (size_t i = 10; i < 20; ++i)
        total += Values[i];
    return total;
}

namespace {

template <class Self, class Io>
void transfer(Self& r, Io& io) {
    io.Stream(r.GetKind() == mTCBDeduct::Kind::Iis ? "@IISDeduct" : "@CBDeduct");
    for (auto& v : r.Values)
        io.Currency(v);
}

}  // namespace

void mTCBDeduct::SaveToStorage(mTDocumentStorage& storage) const {
    recordio::WithCaller(m_kind == Kind::Iis ? 403 : 395, [&] {
        recordio::Writer io(storage);
        transfer(*this, io);
    });
}

void mTCBDeduct::LoadFromStorage(mTDocumentStorage& storage) {
    recordio::WithCaller(m_kind == Kind::Iis ? 404 : 396, [&] {
        recordio::Reader io(storage);
        transfer(*this, io);
    });
}

uint64_t mTCBDeduct::ComputeSize() const {
    recordio::Sizer io;
    transfer(*this, io);
    return io.Total();
}

}  // namespace zizaza
