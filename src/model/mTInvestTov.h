#pragma once

#include "model/OwnedList.h"
#include "model/mTInvestTovIncome.h"
#include "model/mTSourseIncomeInfo.h"

#include <memory>

namespace zizaza {

// An investment partnership (list InvestPartnershipIncomes) with its operation lines.
class mTInvestTov : public mTSourseIncomeInfo {
public:
    bool operator==(const mTInvestTov&) const = default;
    Money TaxComputed;
    Money TaxableAmount;

    // The sum of the lines' incomes.
    Money TotalIncome() const;
    Money Income() const override { return TotalIncome(); }

    // Takes the line. Returns the line's index.
    size_t AddLine(std::unique_ptr<mTInvestTovIncome> line);
    size_t AddLine(const mTInvestTovIncome& line) { return AddLine(std::make_unique<mTInvestTovIncome>(line)); }
    // With a line, the line at index becomes a copy of it; with nullptr, it is removed.
    void ReplaceLine(size_t index, const mTInvestTovIncome* line);
    size_t LineCount() const { return m_lines.Count(); }
    const mTInvestTovIncome& Line(size_t index) const { return m_lines.At(index); }
    const OwnedList<mTInvestTovIncome>& Lines() const { return m_lines; }

    void SaveToStorage(mTDocumentStorage& storage, uint16_t position, bool variant = false) const override;
    void LoadFromStorage(mTDocumentStorage& storage, uint16_t position, bool variant = false) override;
    uint64_t ComputeSize(uint16_t position) const;

private:
    OwnedList<mTInvestTovIncome> m_lines;
};

}  // namespace zizaza
