#pragma once

#include "model/OwnedList.h"
#include "model/mTSourseIncome.h"
#include "model/mTSourseIncomeInfo.h"

#include <array>
#include <memory>

namespace zizaza {

// A source of incomes at 13% with its income lines. Resident sources (list ResidentIncomes13)
// use the variant false, non-resident ones (NonResidentIncomes13) the variant true.
class mTThirteenPercent : public mTSourseIncomeInfo {
public:
    bool operator==(const mTThirteenPercent&) const = default;
    // "Расчет стандартных вычетов вести по этому источнику".
    bool WorkplaceFlag = false;
    Money TaxComputed;    // "Сумма налога исчисленная"
    Money TaxableAmount;  // "Облагаемая сумма дохода"
    Money NinthValue;     // kept in its place only

    // The sum of the lines' income amounts.
    Money TotalIncome() const;
    Money Income() const override { return TotalIncome(); }

    // Takes the line. Returns the line's index.
    size_t AddLine(std::unique_ptr<mTSourseIncome> line);
    size_t AddLine(const mTSourseIncome& line) { return AddLine(std::make_unique<mTSourseIncome>(line)); }
    // With a line, the line at index becomes a copy of it; with nullptr, the line at index is
    // removed.
    void ReplaceLine(size_t index, const mTSourseIncome* line);
    size_t LineCount() const { return m_lines.Count(); }
    const mTSourseIncome& Line(size_t index) const { return m_lines.At(index); }
    const OwnedList<mTSourseIncome>& Lines() const { return m_lines; }

    // Twelve monthly slots, filled only by loading a file (read by the whole-declaration check).
    // A value of exactly -1 rouble empties the slot.
    void SetMonthIncome(int monthIndex, Money value);
    bool MonthFilled(int monthIndex) const { return m_monthFilled.at(static_cast<size_t>(monthIndex)); }
    Money MonthIncome(int monthIndex) const { return m_monthIncome.at(static_cast<size_t>(monthIndex)); }

    void SaveToStorage(mTDocumentStorage& storage, uint16_t position, bool nonResident) const override;
    void LoadFromStorage(mTDocumentStorage& storage, uint16_t position, bool nonResident) override;
    uint64_t ComputeSize(uint16_t position, bool nonResident) const;

private:
    OwnedList<mTSourseIncome> m_lines;
    std::array<Money, 12> m_monthIncome{};
    std::array<bool, 12> m_monthFilled{};
};

}  // namespace zizaza
