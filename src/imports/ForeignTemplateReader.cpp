// Our own template: a header row naming the columns, then one payment per row.
#include "dictionaries/CsvText.h"
#include "imports/ForeignIncomeImport.h"
#include "model/TaxFacts.h"

#include <array>
#include <charconv>

namespace zizaza::foreignimport {
namespace {

enum Column {
    kDate,
    kCountry,
    kSource,
    kIncomeCode,
    kCurrency,
    kIncome,
    kTax,
    kTaxDate,
    kIncomeRate,
    kTaxRate,
    kCount
};
constexpr std::array<const char*, kCount> kNames = {"Дата",  "Страна", "Источник",   "КодДохода",  "Валюта",
                                                    "Доход", "Налог",  "ДатаНалога", "КурсДохода", "КурсНалога"};
constexpr int kRequired = kTax;  // the columns before it must be there
constexpr int kAmountDecimals = 2;
constexpr int kRateDecimals = 4;

using Columns = std::array<int, kCount>;  // field index of each column, -1 when absent

std::string Field(const CsvRow& row, const Columns& columns, Column c) {
    const int i = columns[c];
    return i < 0 || static_cast<size_t>(i) >= row.fields.size() ? std::string() : std::string(TrimField(row.fields[i]));
}

// The payment of a row, or the reason it is refused.
std::string ReadRow(const CsvRow& row, const Columns& columns, ForeignPayment& p) {
    p.line = row.line;
    const std::string date = Field(row, columns, kDate);
    const std::optional<Date> incomeDate = Date::Parse(date);
    if (!incomeDate)
        return "неверная дата «" + date + "»";
    if (incomeDate->Year() != kTaxYear)
        return "дата дохода " + date + " не в " + std::to_string(kTaxYear) + " году";
    p.incomeDate = *incomeDate;
    const std::string taxDate = Field(row, columns, kTaxDate);
    const std::optional<Date> paid = taxDate.empty() ? incomeDate : Date::Parse(taxDate);
    if (!paid || paid->Year() < kTaxYear - 1 || paid->Year() > kTaxYear + 1)
        return "неверная дата уплаты налога «" + taxDate + "»";
    p.taxDate = *paid;
    p.country = Field(row, columns, kCountry);
    p.source = Field(row, columns, kSource);
    if (p.source.empty())
        return "нет наименования источника";
    const std::string code = Field(row, columns, kIncomeCode);
    if (!code.empty()) {
        auto [end, ec] = std::from_chars(code.data(), code.data() + code.size(), p.incomeCode);
        if (ec != std::errc() || end != code.data() + code.size())
            return "неверный код дохода «" + code + "»";
    }
    p.currency = Field(row, columns, kCurrency);
    const std::string income = Field(row, columns, kIncome);
    const std::optional<Money> incomeAmount = ParseAmount(income, kAmountDecimals);
    if (!incomeAmount || *incomeAmount <= Money())
        return "неверное число «" + income + "» (доход)";
    p.income = *incomeAmount;
    const std::string tax = Field(row, columns, kTax);
    const std::optional<Money> taxAmount = tax.empty() ? Money() : ParseAmount(tax, kAmountDecimals);
    if (!taxAmount)
        return "неверное число «" + tax + "» (налог)";
    p.tax = *taxAmount < Money() ? -*taxAmount : *taxAmount;  // brokers show withholdings negative
    for (auto [column, target] : {std::pair{kIncomeRate, &p.incomeRate}, std::pair{kTaxRate, &p.taxRate}}) {
        const std::string rate = Field(row, columns, column);
        if (rate.empty())
            continue;
        *target = ParseAmount(rate, kRateDecimals);
        if (!*target || **target <= Money())
            return "неверное число «" + rate + "» (курс)";
    }
    return {};
}

}  // namespace

Payments ReadTemplate(std::string_view text, ProgressTicker& ticker) {
    Payments result;
    const size_t firstLineEnd = text.find('\n');
    const std::string_view firstLine = text.substr(0, firstLineEnd);
    const char delimiter = firstLine.find(';') != std::string_view::npos ? ';' : ',';
    const std::vector<CsvRow> rows = ReadCsvRows(text, delimiter);
    Columns columns;
    columns.fill(-1);
    if (!rows.empty())
        for (size_t i = 0; i < rows[0].fields.size(); ++i)
            for (int c = 0; c < kCount; ++c)
                if (TrimField(rows[0].fields[i]) == kNames[c] && columns[c] < 0)
                    columns[c] = static_cast<int>(i);
    for (int c = 0; c < kRequired; ++c)
        if (columns[c] < 0) {
            result.refused.push_back({1, std::string("нет столбца «") + kNames[c] + "» в заголовке"});
            return result;
        }
    // Each row is a step of reading and may be one of making its record.
    ticker.SetTotal(2 * rows.size());
    for (size_t i = 1; i < rows.size() && ticker.Step(); ++i) {
        ForeignPayment p;
        if (std::string reason = ReadRow(rows[i], columns, p); !reason.empty())
            result.refused.push_back({rows[i].line, reason});
        else
            result.payments.push_back(std::move(p));
    }
    return result;
}

}  // namespace zizaza::foreignimport
