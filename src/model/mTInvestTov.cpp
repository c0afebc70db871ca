#include "model/mTInvestTov.h"

#include "model/RecordIo.h"

namespace zizaza {

Money mTInvestTov::TotalIncome() const {
    Money total;
    for (const mTInvestTovIncome& line : m_lines)
        total += line.Income;
    return total;
}

size_t mTInvestTov::AddLine(std::unique_ptr<mTInvestTovIncome> line) {
    const size_t index = m_lines.Append(std::move(line));
    TotalIncome();  // a total beyond the range of amounts raises MoneyOverflow as the line comes in
    return index;
}

void mTInvestTov::ReplaceLine(size_t index, const mTInvestTovIncome* line) {
    if (line)
        m_lines.At(index) = *line;
    else
        m_lines.Set(index, nullptr);
    TotalIncome();  // as AddLine
}

namespace {

template <class Self, class Io>
void transferLine(Self& l, Io& io) {
    io.Integer(l.OperationKind);
    io.Currency(l.Income);
    io.Currency(l.ExpenseShare);
    io.Currency(l.ManagementExpenses);
    io.Currency(l.PastLosses);
    io.Currency(l.SixthValue);
}

template <class Self, class Io>
void transferHead(Self& r, Io& io, uint16_t position) {
    io.Stream(recordio::Numbered("@InvestTov", position));
    io.Text(r.Inn);
    io.Text(r.Kpp);
    io.Text(r.Oktmo);
    io.Text(r.Name);
    io.Currency(r.TaxWithheld);
    io.Currency(r.TaxableAmount);
    io.Currency(r.TaxComputed);
}

template <class Io>
void writeOrCount(const mTInvestTov& r, Io& io, uint16_t position) {
    transferHead(r, io, position);
    io.Integer(static_cast<int32_t>(r.LineCount()));
    for (size_t i = 0; i < r.LineCount(); ++i) {
        io.Stream(recordio::Numbered("@InvestTovIncome", position, static_cast<unsigned>(i)));
        transferLine(r.Line(i), io);
    }
}

}  // namespace

void mTInvestTov::SaveToStorage(mTDocumentStorage& storage, uint16_t position, bool) const {
    recordio::WithCaller(399, [&] {
        recordio::Writer io(storage);
        writeOrCount(*this, io, position);
    });
}

void mTInvestTov::LoadFromStorage(mTDocumentStorage& storage, uint16_t position, bool) {
    recordio::WithCaller(400, [&] {
        recordio::Reader io(storage);
        transferHead(*this, io, position);
        int32_t count = 0;
        io.Integer(count);
        for (int32_t i = 0; i < count; ++i) {
            auto line = std::make_unique<mTInvestTovIncome>();
            io.Stream(recordio::Numbered("@InvestTovIncome", position, static_cast<unsigned>(i)));
            transferLine(*line, io);
            AddLine(std::move(line));
        }
    });
}

uint64_t mTInvestTov::ComputeSize(uint16_t position) const {
    recordio::Sizer io;
    writeOrCount(*this, io, position);
    return io.Total();
}

}  // namespace zizaza
