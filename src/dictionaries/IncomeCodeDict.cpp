#include "dictionaries/IncomeCodeDict.h"

#include "dictionaries/XmlDoc.h"
#include "storage/NumberText.h"

namespace zizaza {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

// A whole number, or 0 for a blank or anything else.
int WholeOrZero(std::string_view text) {
    text = Trim(text);
    if (text.empty())
        return 0;
    auto value = ParseInteger(text);
    if (!value || *value < INT32_MIN || *value > INT32_MAX)
        return 0;
    return static_cast<int>(*value);
}

// Whole kopecks of an amount given in millionths of a rouble (ten-thousandths x 100): halves up
// for amounts of 0 and above, cut toward zero below, as RoundHalfUp does.
Money RoundToKopecks(int64_t millionths) {
    int64_t kopecks = millionths >= 0 ? (millionths + 5000) / 10000 : millionths / 10000;
    return Money::Kopecks(kopecks);
}

}  // namespace

Money DeductionEntry::MaxSum() const {
    return Money::Parse(Trim(maxSum)).value_or(Money());
}

int DeductionEntry::Percent() const {
    return WholeOrZero(stav);
}

const IncomeCodeDict& IncomeCodeDict::Embedded() {
    static const IncomeCodeDict dict = FromDoc(XmlDoc::ParseText(EmbeddedIncomeDictXml(), "IncomeDict"));
    return dict;
}

IncomeCodeDict IncomeCodeDict::FromDoc(const XmlDoc& doc) {
    IncomeCodeDict dict;
    for (xmlNode* node : ChildElements(doc.Root())) {
        IncomeEntry income{AttributeOr(node, "Stav"),   AttributeOr(node, "Code"),     AttributeOr(node, "Name"),
                           AttributeOr(node, "NRez13"), AttributeOr(node, "SaleDate"), {}};
        for (xmlNode* d : ChildElements(node))
            income.deductions.push_back({AttributeOr(d, "Code"), AttributeOr(d, "Name"), AttributeOr(d, "Stav"),
                                         AttributeOr(d, "Visible"), AttributeOr(d, "Enabled"),
                                         AttributeOr(d, "Equivalent"), AttributeOr(d, "MaxSum")});
        dict.m_incomes.push_back(std::move(income));
    }
    return dict;
}

const IncomeEntry* IncomeCodeDict::FindIncome(std::string_view code) const {
    for (const IncomeEntry& income : m_incomes)
        if (income.code == code)
            return &income;
    return nullptr;
}

std::vector<const IncomeEntry*> IncomeCodeDict::FilterIncomes(std::string_view rateFilter,
                                                              bool nonResident13Only) const {
    std::vector<const IncomeEntry*> rows;
    for (const IncomeEntry& income : m_incomes) {
        bool listed;
        if (rateFilter.empty()) {
            listed = true;
        } else if (rateFilter.size() == 3) {
            int rate = WholeOrZero(income.stav);
            listed = (rate == 13 || rate == 35) && income.code != "2620";
        } else {
            listed = income.stav == rateFilter && (!nonResident13Only || income.NonResident13());
        }
        if (listed)
            rows.push_back(&income);
    }
    return rows;
}

std::vector<const DeductionEntry*> IncomeCodeDict::FilterDeductions(std::string_view incomeCode,
                                                                    bool allDeductions) const {
    std::vector<const DeductionEntry*> rows;
    const IncomeEntry* income = FindIncome(incomeCode);
    if (!income)
        return rows;
    for (const DeductionEntry& d : income->deductions) {
        bool listed = allDeductions || d.code == "0" || d.code.starts_with('2') || d.code.starts_with('5');
        if (listed)
            rows.push_back(&d);
    }
    return rows;
}

std::optional<size_t> PreselectIncomeRow(const std::vector<const IncomeEntry*>& rows, std::string_view code) {
    if (rows.empty())
        return std::nullopt;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i]->code == code)
            return i;
    return 0;
}

std::optional<size_t> PreselectDeductionRow(const std::vector<const DeductionEntry*>& rows, std::string_view code) {
    if (rows.empty())
        return std::nullopt;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i]->code == code)
            return i;
    return 0;
}

int PickedIncomeRate(std::string_view rateFilter, const IncomeEntry& income) {
    return WholeOrZero(rateFilter.empty() ? std::string_view(income.stav) : rateFilter);
}

DeductionAmountMode AmountMode(const DeductionEntry& deduction) {
    if (!deduction.Visible())
        return DeductionAmountMode::Hidden;
    if (!deduction.Enabled())
        return DeductionAmountMode::Computed;
    if (deduction.Percent() != 0)
        return DeductionAmountMode::Computed;
    if (deduction.Equivalent())
        return DeductionAmountMode::Follows;
    return DeductionAmountMode::Typed;
}

std::optional<Money> DeductionAmount(const DeductionEntry& deduction, std::optional<Money> income) {
    if (!deduction.Visible())
        return Money();
    Money amount;
    if (int percent = deduction.Percent(); percent != 0) {
        if (income)
            amount = RoundToKopecks(income->raw() * percent);
    } else if (deduction.Equivalent()) {
        if (income)
            amount = *income;
    } else {
        return std::nullopt;
    }
    return CapDeduction(deduction, amount);
}

Money CapDeduction(const DeductionEntry& deduction, Money amount) {
    Money cap = deduction.MaxSum();
    if (!cap.IsZero() && amount >= cap)
        return cap;
    return amount;
}

}  // namespace zizaza
