#include "model/mTInvestTov.h"

namespace zizaza {

size_t mTInvestTov::AddLine(std::unique_ptr<mTInvestTovIncome> line) {
    Money amount = line ? line->Income : Money();
    size_t index = m_lines.Append(std::move(line));
    TotalIncome += amount;
    return index;
}

void mTInvestTov::ReplaceLine(size_t index, const mTInvestTovIncome* line) {
    mTInvestTovIncome& old = m_lines.At(index);
    TotalIncome -= old.Income;
    if (line) {
        old = *line;
        TotalIncome += old.Income;
    } else {
        m_lines.Set(index, nullptr);
    }
}

}  // namespace zizaza
