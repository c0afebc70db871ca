#include "model/mTThirteenPercent.h"

#include <stdexcept>

#include "model/RecordIo.h"

namespace zizaza {

Money mTThirteenPercent::TotalIncome() const {
    Money total;
    for (const mTSourseIncome& line : m_lines)
        total += line.IncomeAmount;
    return total;
}

size_t mTThirteenPercent::AddLine(std::unique_ptr<mTSourseIncome> line) {
    const size_t index = m_lines.Append(std::move(line));
    TotalIncome();  // a total beyond the range of amounts raises MoneyOverflow as the line comes in
    return index;
}

void mTThirteenPercent::ReplaceLine(size_t index, const mTSourseIncome* line) {
    if (line)
        m_lines.At(index) = *line;
    else
        m_lines.Set(index, nullptr);
    TotalIncome();  // as AddLine
}

void mTThirteenPercent::SetMonthIncome(int monthIndex, Money value) {
    if (monthIndex < 0 || monthIndex > 11)
        throw std::out_of_range("month index " + std::to_string(monthIndex));
    auto i = static_cast<size_t>(monthIndex);
    if (value == Money::Roubles(-1)) {
        m_monthIncome[i] = Money();
        m_monthFilled[i] = false;
    } else {
        m_monthIncome[i] = value;
        m_monthFilled[i] = true;
    }
}

namespace {

struct Names {
    const char* source;
    const char* line;
};

Names namesFor(bool nonResident) {
    return nonResident ? Names{"@ThirteenPerceNR", "@SourseIncoNR"} : Names{"@ThirteenPercent", "@SourseIncome"};
}

template <class Self, class Io>
void transferLine(Self& l, Io& io) {
    io.Integer(l.IncomeCode);
    io.Text(l.IncomeName);
    io.Currency(l.IncomeAmount);
    io.Integer(l.DeductionCode);
    io.Currency(l.DeductionAmount);
    io.Integer(l.DeductionPercent);
    io.Word(l.Month);
    io.Flag(l.AcquiredAfter2016);
    io.Text(l.CadastralNumber);
    io.Currency(l.CadastralValue);
    io.Currency(l.ContractPrice);
}

// The source fields up to the month slots; the total income is the lines'.
template <class Self, class Io>
void transferHead(Self& r, Io& io) {
    io.Text(r.Inn);
    io.Text(r.Kpp);
    io.Text(r.Oktmo);
    io.Text(r.Name);
    io.Currency(r.TaxWithheld);
    io.Currency(r.TaxableAmount);
    io.Currency(r.TaxComputed);
    io.Currency(r.NinthValue);
}

template <class Io>
void writeOrCount(const mTThirteenPercent& r, Io& io, uint16_t position, bool nonResident) {
    Names names = namesFor(nonResident);
    io.Stream(recordio::Numbered(names.source, position));
    io.Flag(r.WorkplaceFlag);
    transferHead(r, io);
    for (int m = 0; m < 12; ++m)
        io.Slot(r.MonthFilled(m), r.MonthIncome(m));
    io.Integer(static_cast<int32_t>(r.LineCount()));
    for (size_t i = 0; i < r.LineCount(); ++i) {
        io.Stream(recordio::Numbered(names.line, position, static_cast<unsigned>(i)));
        transferLine(r.Line(i), io);
    }
}

}  // namespace

void mTThirteenPercent::SaveToStorage(mTDocumentStorage& storage, uint16_t position, bool nonResident) const {
    recordio::WithCaller(372, [&] {
        recordio::Writer io(storage);
        writeOrCount(*this, io, position, nonResident);
    });
}

void mTThirteenPercent::LoadFromStorage(mTDocumentStorage& storage, uint16_t position, bool nonResident) {
    recordio::WithCaller(372, [&] {
        recordio::Reader io(storage);
        Names names = namesFor(nonResident);
        io.Stream(recordio::Numbered(names.source, position));
        // The workplace flag came with container version 1.1.
        if (uint32_t(storage.MajorVersion()) * 65536 + storage.MinorVersion() >= 65537)
            io.Flag(WorkplaceFlag);
        transferHead(*this, io);
        for (int m = 0; m < 12; ++m) {
            Money v;
            io.Currency(v);
            SetMonthIncome(m, v);
        }
        int32_t count = 0;
        io.Integer(count);
        for (int32_t i = 0; i < count; ++i) {
            auto line = std::make_unique<mTSourseIncome>();
            io.Stream(recordio::Numbered(names.line, position, static_cast<unsigned>(i)));
            transferLine(*line, io);
            AddLine(std::move(line));
        }
    });
}

uint64_t mTThirteenPercent::ComputeSize(uint16_t position, bool nonResident) const {
    recordio::Sizer io;
    writeOrCount(*this, io, position, nonResident);
    return io.Total();
}

}  // namespace zizaza
