#include "model/mTThirteenPercent.h"

#include <stdexcept>

namespace zizaza {

size_t mTThirteenPercent::AddLine(std::unique_ptr<mTSourseIncome> line) {
    Money amount = line ? line->IncomeAmount : Money();
    size_t index = m_lines.Append(std::move(line));
    TotalIncome += amount;
    return index;
}

void mTThirteenPercent::ReplaceLine(size_t index, const mTSourseIncome* line) {
    mTSourseIncome& old = m_lines.At(index);
    TotalIncome -= old.IncomeAmount;
    if (line) {
        old = *line;
        TotalIncome += old.IncomeAmount;
    } else {
        m_lines.Set(index, nullptr);
    }
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

}  // namespace zizaza
