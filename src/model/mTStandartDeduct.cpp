#include "model/mTStandartDeduct.h"

#include <stdexcept>
#include <string>

#include "model/RecordIo.h"

namespace zizaza {
namespace {

size_t monthIndex(int index) {
    if (index < 0 || index > 11)
        throw std::out_of_range("month index " + std::to_string(index));
    return static_cast<size_t>(index);
}

}  // namespace

void mTStandartDeduct::SetChildrenCount(int32_t n) {
    ChildrenCount = n;
    ChildrenConstant = true;
}

void mTStandartDeduct::SetMonthlyChildren(int i, int32_t n) {
    MonthlyChildren[monthIndex(i)] = n;
    ChildrenConstant = false;
}

void mTStandartDeduct::SetDisabledCount(int32_t n) {
    DisabledCount = n;
    DisabledConstant = true;
}

void mTStandartDeduct::SetMonthlyDisabled(int i, int32_t n) {
    MonthlyDisabled[monthIndex(i)] = n;
    DisabledConstant = false;
}

void mTStandartDeduct::SetThirdCount(int32_t n) {
    ThirdCount = n;
    ThirdConstant = true;
}

void mTStandartDeduct::SetMonthlyThird(int i, int32_t n) {
    MonthlyThird[monthIndex(i)] = n;
    ThirdConstant = false;
}

Money mTStandartDeduct::MonthlyIncome(int i) const {
    return MonthlyIncomes[monthIndex(i)];
}
void mTStandartDeduct::SetMonthlyIncome(int i, Money v) {
    MonthlyIncomes[monthIndex(i)] = v;
}
Money mTStandartDeduct::MonthlyExpense(int i) const {
    return MonthlyExpenses[monthIndex(i)];
}
void mTStandartDeduct::SetMonthlyExpense(int i, Money v) {
    MonthlyExpenses[monthIndex(i)] = v;
}

bool mTStandartDeduct::MonthMark(int i) const {
    return MonthMarks[monthIndex(i)];
}
void mTStandartDeduct::SetMonthMark(int i, bool v) {
    MonthMarks[monthIndex(i)] = v;
}
int32_t mTStandartDeduct::MonthlyPersonalCode(int i) const {
    return MonthlyPersonalCodes[monthIndex(i)];
}
void mTStandartDeduct::SetMonthlyPersonalCode(int i, int32_t v) {
    MonthlyPersonalCodes[monthIndex(i)] = v;
}
int32_t mTStandartDeduct::MonthlySingleParentMark(int i) const {
    return MonthlySingleParentMarks[monthIndex(i)];
}
void mTStandartDeduct::SetMonthlySingleParentMark(int i, int32_t v) {
    MonthlySingleParentMarks[monthIndex(i)] = v;
}

namespace {

// A constant flag, then its count when set or the twelve monthly values when not.
template <class Io, class Flag, class Count, class Months>
void transferCount(Io& io, Flag& constant, Count& count, Months& months) {
    io.Flag(constant);
    if (constant) {
        io.Integer(count);
    } else {
        for (auto& m : months)
            io.Integer(m);
    }
}

template <class Self, class Io>
void transfer(Self& r, Io& io) {
    io.Stream("@StandartDeduct");
    io.Flag(r.Granted);
    if (!r.Granted)
        return;
    recordio::Coded(io, r.PersonalCode);
    recordio::Coded(io, r.ChildStatus);
    transferCount(io, r.ChildrenConstant, r.ChildrenCount, r.MonthlyChildren);
    transferCount(io, r.DisabledConstant, r.DisabledCount, r.MonthlyDisabled);
    io.ProtectedFlag(r.EntrepreneurMonthsPresent);
    if (r.EntrepreneurMonthsPresent) {
        for (auto& v : r.MonthlyIncomes)
            io.Currency(v);
        for (auto& v : r.MonthlyExpenses)
            io.Currency(v);
        for (auto& v : r.MonthMarks)
            io.Flag(v);
    }
    io.ProtectedFlag(r.MonthlyCodesPresent);
    if (r.MonthlyCodesPresent) {
        for (auto& v : r.MonthlyPersonalCodes)
            io.Integer(v);
    }
    io.ProtectedFlag(r.MonthlyStatusPresent);
    if (r.MonthlyStatusPresent) {
        for (auto& v : r.MonthlySingleParentMarks)
            io.Integer(v);
    }
    transferCount(io, r.ThirdConstant, r.ThirdCount, r.MonthlyThird);
    io.Flag(r.Guardian);
}

}  // namespace

void mTStandartDeduct::SaveToStorage(mTDocumentStorage& storage) const {
    recordio::WithCaller(381, [&] {
        recordio::Writer io(storage);
        transfer(*this, io);
    });
}

void mTStandartDeduct::LoadFromStorage(mTDocumentStorage& storage) {
    recordio::WithCaller(382, [&] {
        recordio::Reader io(storage);
        transfer(*this, io);
    });
}

uint64_t mTStandartDeduct::ComputeSize() const {
    recordio::Sizer io;
    transfer(*this, io);
    return io.Total();
}

}  // namespace zizaza
