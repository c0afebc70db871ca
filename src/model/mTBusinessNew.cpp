#include "model/mTBusinessNew.h"

#include "model/RecordIo.h"

namespace zizaza {

void mTBusinessNew::Clear() {
    ActivityKind.clear();
    OkvedCode = "..";
    Itemized = true;
    Income = ExpensesTotal = MaterialExpenses = Depreciation = Labour = LabourContracts = OtherExpenses = Money();
    FurtherExpenses.fill(Money());
    NormExpenses = Money();
}

namespace {

template <class Self, class Io>
void transfer(Self& r, Io& io, uint16_t position) {
    io.Stream(recordio::Numbered("@BusinessIncome", position));
    io.Text(r.ActivityKind);
    io.Text(r.OkvedCode);
    io.Currency(r.Income);
    io.Flag(r.Itemized);
    if (!r.Itemized) {
        io.Currency(r.NormExpenses);
        return;
    }
    io.Stream(recordio::Numbered("@BusinessExpense", position));
    io.Currency(r.ExpensesTotal);
    io.Currency(r.MaterialExpenses);
    io.Currency(r.Depreciation);
    io.Currency(r.Labour);
    io.Currency(r.LabourContracts);
    io.Currency(r.OtherExpenses);
    for (auto& v : r.FurtherExpenses)
        io.Currency(v);
}

}  // namespace

void mTBusinessNew::SaveToStorage(mTDocumentStorage& storage, uint16_t position) const {
    recordio::WithCaller(379, [&] {
        recordio::Writer io(storage);
        transfer(*this, io, position);
    });
}

void mTBusinessNew::LoadFromStorage(mTDocumentStorage& storage, uint16_t position) {
    recordio::WithCaller(380, [&] {
        recordio::Reader io(storage);
        transfer(*this, io, position);
    });
}

uint64_t mTBusinessNew::ComputeSize(uint16_t position) const {
    recordio::Sizer io;
    transfer(*this, io, position);
    return io.Total();
}

}  // namespace zizaza
