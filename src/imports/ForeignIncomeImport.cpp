#include "imports/ForeignIncomeImport.h"

#include "dictionaries/Countries.h"
#include "dictionaries/CsvText.h"
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/IncomeCodeDict.h"
#include "imports/ImportText.h"
#include "model/mTDeclaration.h"

#include <algorithm>
#include <stdexcept>

namespace zizaza {
namespace foreignimport {

std::optional<Money> ParseAmount(std::string_view text, int decimals) {
    std::string value(TrimField(text));
    std::replace(value.begin(), value.end(), ',', '.');
    const size_t point = value.find('.');
    if (point != std::string::npos) {
        size_t end = value.size();
        while (end > point + 1 && value[end - 1] == '0')
            --end;
        if (end - point - 1 > static_cast<size_t>(decimals))
            return std::nullopt;
    }
    return Money::Parse(value);
}

}  // namespace foreignimport

namespace {

using foreignimport::Payments;

std::string Refused(const std::string& what, const std::string& value) {
    return what + " «" + value + "»";
}

// The rate and units of a date: explicit per unit, or the dictionary's entry in force.
struct RateOfDate {
    Money rate;
    int32_t units = 0;
    bool fromDictionary = false;
};

std::optional<RateOfDate> RateOn(const CurrencyRates& rates, const std::string& code, Date date,
                                 const std::optional<Money>& explicitRate) {
    if (explicitRate)
        return RateOfDate{*explicitRate, 1, false};
    const CurrencyRate* entry = rates.FindRate(code, date);
    if (!entry || !RateValue(*entry) || !RateQuantity(*entry))
        return std::nullopt;
    return RateOfDate{*RateValue(*entry), *RateQuantity(*entry), true};
}

}  // namespace

namespace foreignimport {

std::string MakeRecord(const ForeignPayment& p, const CurrencyRates& rates, mTCurrencyIncome& r) {
    const IncomeEntry* income = IncomeCodeDict::Embedded().FindIncome(std::to_string(p.incomeCode));
    if (!income)
        return "неизвестный код дохода " + std::to_string(p.incomeCode);
    const std::string country = CountryCodeOf(p.country);
    if (country.empty())
        return Refused("неизвестная страна", p.country);
    const Currency* currency = rates.FindCurrencyByCodeOrAlpha(p.currency);
    if (!currency)
        return Refused("неизвестная валюта", p.currency);
    const std::optional<RateOfDate> incomeRate = RateOn(rates, currency->code, p.incomeDate, p.incomeRate);
    if (!incomeRate)
        return "нет курса ЦБ РФ на " + p.incomeDate.ToText() + " (" + currency->code + ")";
    std::optional<RateOfDate> taxRate = RateOn(rates, currency->code, p.taxDate, p.taxRate);
    if (!taxRate && !p.tax.IsZero())
        return "нет курса ЦБ РФ на дату уплаты налога " + p.taxDate.ToText() + " (" + currency->code + ")";
    r = mTCurrencyIncome();
    r.IncomeCode = p.incomeCode;
    r.RateCode = PickedIncomeRate("", *income);
    r.IncomeName = income->name;
    r.SourceName = p.source;
    r.CountryCode = country;
    r.IncomeDate = p.incomeDate;
    r.TaxPaymentDate = p.taxDate;
    r.CurrencyCode = currency->code;
    r.CurrencyName = currency->name;
    r.IncomeRate = incomeRate->rate;
    r.IncomeUnits = incomeRate->units;
    if (taxRate) {
        r.TaxRate = taxRate->rate;
        r.TaxUnits = taxRate->units;
    }
    r.AutomaticRate = incomeRate->fromDictionary && (!taxRate || taxRate->fromDictionary);
    r.SetIncomeInCurrency(p.income);
    r.SetTaxInCurrency(p.tax);
    return {};
}

std::string FitRecordToFile(mTCurrencyIncome& r, const std::string& where, std::vector<std::string>& replaced) {
    for (Date date : {r.IncomeDate, r.TaxPaymentDate})
        if (std::string reason = ImportedDateRefusal(date); !reason.empty())
            return reason;
    const ImportedText source = PlainImportedText(r.SourceName);
    if (!source.refusal.empty())
        return "наименование источника: " + source.refusal;
    for (Money amount : {r.IncomeInCurrency, r.IncomeInRoubles, r.TaxInCurrency, r.TaxInRoubles, r.IncomeRate,
                         r.TaxRate, r.DeductionAmount})
        if (std::string reason = ImportedAmountRefusal(amount); !reason.empty())
            return reason;
    if (source.replaced) {
        replaced.push_back(where + ": «" + r.SourceName + "» записано как «" + source.text + "»");
        r.SourceName = source.text;
    }
    return {};
}

// The payment's record made fit for the declaration file; the reason when it cannot be.
std::string MakeStorableRecord(const ForeignPayment& p, const CurrencyRates& rates, mTCurrencyIncome& r,
                               std::vector<std::string>& replaced) {
    // Dates first: a date outside the file's range has no rate worth looking up.
    for (Date date : {p.incomeDate, p.taxDate})
        if (std::string reason = ImportedDateRefusal(date); !reason.empty())
            return reason;
    try {
        if (std::string reason = MakeRecord(p, rates, r); !reason.empty())
            return reason;
    } catch (const MoneyOverflow&) {
        return "сумма в рублях не помещается в декларацию";
    }
    return FitRecordToFile(r, "строка " + std::to_string(p.line), replaced);
}

std::string Describe(const ForeignPayment& p, const mTCurrencyIncome& r) {
    std::string text = "строка " + std::to_string(p.line) + ": " + r.IncomeDate.ToText() + " " + r.SourceName +
                       ", доход " + r.IncomeInCurrency.ToText(',') + " " + p.currency + " = " +
                       r.IncomeInRoubles.ToText(',') + " руб.";
    if (!r.TaxInCurrency.IsZero())
        text += ", налог " + r.TaxInCurrency.ToText(',') + " " + p.currency + " = " + r.TaxInRoubles.ToText(',') +
                " руб. (" + r.TaxPaymentDate.ToText() + ")";
    return text;
}

}  // namespace foreignimport

ForeignImport ReadForeignReport(std::string_view bytes, const CurrencyRates& rates, const ImportProgress& progress,
                                size_t present) {
    ForeignImportOptions options;
    options.present = present;
    return ReadForeignReports({{std::string(), std::string(bytes)}}, rates, options, progress);
}

std::string DescribeForeignImport(const ForeignImport& result) {
    std::string text =
        "Формат: " + result.format + "\nЗагружено выплат: " + std::to_string(result.records.size()) + "\n";
    for (const std::string& line : result.imported)
        text += "  " + line + "\n";
    if (!result.replaced.empty()) {
        text +=
            "Заменено знаков, которых нет в файле декларации (в строках): " + std::to_string(result.replaced.size()) +
            "\n";
        for (const std::string& line : result.replaced)
            text += "  " + line + "\n";
    }
    if (!result.merged.empty()) {
        text += "Объединено строк: " + std::to_string(result.merged.size()) + "\n";
        for (const std::string& line : result.merged)
            text += "  " + line + "\n";
    }
    if (!result.refused.empty()) {
        text += "Не загружено строк: " + std::to_string(result.refused.size()) + "\n";
        for (const RefusedLine& r : result.refused)
            text += "  " + StatementLine{r.file, r.line}.Text() + ": " + r.reason + "\n";
    }
    if (!result.otherYear.empty()) {
        text += "Строки другого года (в декларацию за " + std::to_string(kTaxYear) +
                " год не входят): " + std::to_string(result.otherYear.size()) + "\n";
        for (const std::string& line : result.otherYear)
            text += "  " + line + "\n";
    }
    text += DescribeTrades(result.trades);
    if (result.skipped)
        text += "Пропущено строк итогов и других разделов: " + std::to_string(result.skipped) + "\n";
    return text;
}

void ApplyForeignImport(mTDeclaration& declaration, const ForeignImport& result) {
    // Read for fewer records than the declaration holds now: nothing is added rather than a list
    // the file cannot hold.
    if (declaration.CurrencyIncomeCount() + result.records.size() > kMaxImportedRecords)
        throw std::length_error("В декларации не может быть больше " + std::to_string(kMaxImportedRecords) +
                                " доходов за пределами РФ: выплаты не добавлены.");
    if (!declaration.HasIncome(kIncomeForeign))
        declaration.SetIncomeFlags(declaration.IncomeFlags() | kIncomeForeign);
    for (const mTCurrencyIncome& r : result.records)
        declaration.CurrencyIncome(declaration.AddCurrencyIncome()) = r;
}

}  // namespace zizaza
