#pragma once

#include "storage/Money.h"

#include <array>
#include <cstdint>
#include <string>

namespace zizaza {

class mTDocumentStorage;

// One kind of entrepreneurial or private-practice activity with its income and expenses.
class mTBusinessNew {
public:
    bool operator==(const mTBusinessNew&) const = default;
    mTBusinessNew() { Clear(); }

    std::string ActivityKind;                 // ВидДеят
    std::string OkvedCode;                    // ОКВЭД
    bool Itemized = true;                     // "Имеются документально подтв. расходы"
    Money Income;                             // "Сумма дохода"
    Money ExpensesTotal;                      // РасхФакт
    Money MaterialExpenses;                   // РасхФМат
    Money Depreciation;                       // РасхФАмНач
    Money Labour;                             // РасхФОплТруд
    Money LabourContracts;                    // РасхФТрДог
    Money OtherExpenses;                      // РасхФПроч
    std::array<Money, 13> FurtherExpenses{};  // kept in their places only
    Money NormExpenses;                       // РасхПредНорм, when not itemized

    // Activity kind empty, OKVED "..", itemized, every amount 0.
    void Clear();

    void SaveToStorage(mTDocumentStorage& storage, uint16_t position) const;
    void LoadFromStorage(mTDocumentStorage& storage, uint16_t position);
    uint64_t ComputeSize(uint16_t position) const;
};

}  // namespace zizaza
