// Several reports into one import: the payments of each, taken once when statements overlap, and
// the trades of all broker statements matched together, since lots span years and files.
#include "dictionaries/Countries.h"
#include "dictionaries/CsvText.h"
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/IncomeCodeDict.h"
#include "imports/ForeignIncomeImport.h"
#include "imports/ImportText.h"

#include <algorithm>
#include <map>

namespace zizaza {
namespace {

constexpr int32_t kSaleCode = 1530;
constexpr int32_t kSaleExpenseCode = 201;
constexpr int32_t kDerivativeCode = 1532;
constexpr int32_t kDerivativeExpenseCode = 206;
constexpr int32_t kInterestCode = 1011;
// The broker's own country, for its interest: the statements read are those of a US broker.
constexpr const char* kBrokerCountry = "840";

std::string PaymentIdentity(const ForeignPayment& p) {
    return p.incomeDate.ToText() + "|" + p.source + "|" + p.currency + "|" + p.income.ToText() + "|" + p.tax.ToText() +
           "|" + p.taxDate.ToText();
}

// The country of a security: its ISIN's (an option's underlying), else the US for dollars
// (`currency` is the numeric code).
std::string SecurityCountry(const StatementEvents& events, const std::string& symbol, const std::string& currency) {
    for (const std::string& s : {symbol, symbol.substr(0, symbol.find(' '))}) {
        auto it = events.isinOf.find(s);
        if (it != events.isinOf.end() && it->second.size() == 12) {
            const std::string code = CountryCodeOf(it->second.substr(0, 2));
            if (!code.empty())
                return code;
        }
    }
    return currency == "840" ? "840" : std::string();
}

// Empty while the declaration's list of foreign incomes, with the `present` ones, can take one
// more record; otherwise why not.
std::string CountRefusal(size_t present, const ForeignImport& result) {
    if (present + result.records.size() < kMaxImportedRecords)
        return {};
    return "в декларации не может быть больше " + std::to_string(kMaxImportedRecords) + " доходов за пределами РФ";
}

mTTradeLot LotDetail(const MatchedLot& l) {
    mTTradeLot d;
    d.TradeDate = l.tradeDate;
    d.PaidDate = l.cashDate;
    d.Quantity = l.quantity;
    d.Amount = l.amount;
    d.Rate = l.rate;
    d.Units = l.units;
    d.Roubles = l.roubles;
    d.Commission = l.commission;
    d.CommissionRate = l.commissionRate;
    d.CommissionUnits = l.commissionUnits;
    d.CommissionRoubles = l.commissionRoubles;
    d.Premium = l.premium;
    d.Note = l.note;
    return d;
}

// What the record keeps of a sale, for the register of the calculation report.
mTTradeSale SaleDetail(const SaleResult& s) {
    mTTradeSale d;
    d.TradeDate = s.tradeDate;
    d.IncomeDate = s.incomeDate;
    d.ShortClose = s.shortClose;
    d.Quantity = s.quantity;
    d.Proceeds = s.proceeds;
    d.Rate = s.rate;
    d.Units = s.units;
    d.ProceedsRoubles = s.proceedsRoubles;
    d.Commission = s.commission;
    d.CommissionRate = s.commissionRate;
    d.CommissionUnits = s.commissionUnits;
    d.CommissionRoubles = s.commissionRoubles;
    d.Premium = s.optionRoubles;
    for (const MatchedLot& l : s.lots)
        d.Lots.push_back(LotDetail(l));
    return d;
}

class TradeRecords {
public:
    TradeRecords(const StatementEvents& events, const CurrencyRates& rates, size_t present, ForeignImport& into)
        : m_events(events), m_rates(rates), m_present(present), m_into(into) {}

    void Sales() {
        const std::vector<SaleResult>& sales = m_into.trades.sales;
        // Sales of one security with one income day (so one rate) are one record.
        for (size_t first = 0, last = 0; first < sales.size(); first = last) {
            const SaleResult& a = sales[first];
            Money proceeds, cost;
            for (last = first; last < sales.size(); ++last) {
                const SaleResult& b = sales[last];
                if (b.security != a.security || b.incomeDate != a.incomeDate || b.shortClose != a.shortClose ||
                    b.rate != a.rate || b.units != a.units)
                    break;
                proceeds += b.proceeds;
                cost += b.CostRoubles();
            }
            std::vector<mTTradeSale> detail;
            for (size_t i = first; i < last; ++i)
                detail.push_back(SaleDetail(sales[i]));
            Add(a, proceeds, cost, last - first, std::move(detail));
        }
    }

    void Interest() {
        for (const CashLine& c : m_into.trades.interest) {
            const IncomeEntry* income = IncomeCodeDict::Embedded().FindIncome(std::to_string(kInterestCode));
            const Currency* currency = m_rates.FindCurrencyByCodeOrAlpha(c.currency);
            const CurrencyRate* entry = currency ? m_rates.FindRate(currency->code, c.date) : nullptr;
            if (!income || !entry || !RateValue(*entry) || !RateQuantity(*entry)) {
                Refuse(c.where, "проценты " + c.date.ToText() + ": нет курса ЦБ РФ " + c.currency + " на " +
                                    c.date.ToText() +
                                    ": загрузите курсы Банка России командой «Загрузить курсы ЦБ РФ...» или "
                                    "zizaza-cli import-rates");
                continue;
            }
            mTCurrencyIncome r = Base(*income, *currency, c.date, *RateValue(*entry), *RateQuantity(*entry));
            r.SourceName = c.description;
            r.CountryCode = kBrokerCountry;
            r.SetIncomeInCurrency(c.amount);
            if (!Keep(r, c.where))
                continue;
            m_into.imported.push_back(c.where.Text() + ": " + c.date.ToText() + " " + c.description + ", проценты " +
                                      c.amount.ToText(',') + " " + c.currency + " = " + r.IncomeInRoubles.ToText(',') +
                                      " руб. (код " + std::to_string(kInterestCode) + ")");
            m_into.records.push_back(std::move(r));
        }
    }

private:
    mTCurrencyIncome Base(const IncomeEntry& income, const Currency& currency, Date date, Money rate,
                          int32_t units) const {
        mTCurrencyIncome r;
        r.IncomeCode = std::stoi(income.code);
        r.RateCode = PickedIncomeRate("", income);
        r.IncomeName = income.name;
        r.IncomeDate = date;
        r.TaxPaymentDate = date;
        r.CurrencyCode = currency.code;
        r.CurrencyName = currency.name;
        r.IncomeRate = rate;
        r.IncomeUnits = units;
        r.TaxRate = rate;
        r.TaxUnits = units;
        r.AutomaticRate = true;
        return r;
    }

    void Add(const SaleResult& s, Money proceeds, Money cost, size_t count, std::vector<mTTradeSale> detail) {
        const int32_t code = s.derivative ? kDerivativeCode : kSaleCode;
        const IncomeEntry* income = IncomeCodeDict::Embedded().FindIncome(std::to_string(code));
        const Currency* currency = m_rates.FindCurrencyByCodeOrAlpha(s.currency);
        const std::string country = currency ? SecurityCountry(m_events, s.symbol, currency->code) : std::string();
        if (!income || !currency)
            return Refuse(s.where, "продажа " + s.security + ": неизвестная валюта «" + s.currency + "»");
        if (country.empty())
            return Refuse(s.where, "продажа " + s.security +
                                       ": не определена страна источника (нет ISIN в разделе "
                                       "Financial Instrument Information)");
        // A short sale of an earlier year closed this year: the income is this year's, at the sale's rate.
        const bool earlierShort = s.incomeDate.Year() != kTaxYear;
        const Date date = earlierShort ? s.lots.front().cashDate : s.incomeDate;
        mTCurrencyIncome r = Base(*income, *currency, date, s.rate, s.units);
        r.AutomaticRate = !earlierShort;
        r.SourceName = s.security;
        r.CountryCode = country;
        r.SetIncomeInCurrency(proceeds);
        r.SetTaxInCurrency(Money());
        r.DeductionCode = s.derivative ? kDerivativeExpenseCode : kSaleExpenseCode;
        r.DeductionAmount = cost;
        r.Trades = std::move(detail);
        if (!Keep(r, s.where))
            return;
        m_into.imported.push_back(s.where.Text() + ": " + date.ToText() + " " + s.security +
                                  (count > 1 ? ", продаж " + std::to_string(count) : std::string()) + ", доход " +
                                  proceeds.ToText(',') + " " + s.currency + " = " + r.IncomeInRoubles.ToText(',') +
                                  " руб., расход (" + std::to_string(r.DeductionCode) + ") " + cost.ToText(',') +
                                  " руб. (код " + std::to_string(code) + ")");
        m_into.records.push_back(std::move(r));
    }

    void Refuse(const StatementLine& where, std::string reason) {
        m_into.refused.push_back({where.line, std::move(reason), where.file});
    }

    // Keeps the record when the declaration file can hold it; refuses its line otherwise.
    bool Keep(mTCurrencyIncome& r, const StatementLine& where) {
        std::string reason = CountRefusal(m_present, m_into);
        if (reason.empty())
            reason = foreignimport::FitRecordToFile(r, where.Text(), m_into.replaced);
        if (!reason.empty()) {
            Refuse(where, std::move(reason));
            return false;
        }
        return true;
    }

    const StatementEvents& m_events;
    const CurrencyRates& m_rates;
    size_t m_present;
    ForeignImport& m_into;
};

}  // namespace

ForeignImport ReadForeignReports(const std::vector<ReportFile>& files, const CurrencyRates& rates,
                                 const ForeignImportOptions& options, const ImportProgress& progress) {
    ForeignImport result;
    foreignimport::ProgressTicker ticker(progress);
    std::vector<std::pair<ForeignPayment, std::string>> payments;  // with the file
    std::vector<StatementEvents> statements;
    std::map<std::string, size_t> seen;  // payments of earlier files
    std::vector<std::string> formats;
    for (const ReportFile& file : files) {
        const std::string text = DecodeTextFile(file.bytes);
        const bool broker = foreignimport::IsBrokerStatement(text);
        const std::string format = broker ? "отчет брокера" : "шаблон программы";
        if (std::find(formats.begin(), formats.end(), format) == formats.end())
            formats.push_back(format);
        foreignimport::Payments read =
            broker ? foreignimport::ReadBrokerStatement(text, ticker) : foreignimport::ReadTemplate(text, ticker);
        if (ticker.Stopped())
            break;
        std::map<std::string, size_t> here;
        for (ForeignPayment& p : read.payments) {
            const std::string id = PaymentIdentity(p);
            if (++here[id] > seen[id])
                payments.emplace_back(std::move(p), file.name);
            else
                result.merged.push_back(StatementLine{file.name, p.line}.Text() +
                                        ": выплата уже есть в другом отчете — учтена один раз");
        }
        for (const auto& [id, n] : here)
            seen[id] = std::max(seen[id], n);
        auto prefix = [&](const std::string& line) { return file.name.empty() ? line : file.name + ", " + line; };
        for (const std::string& line : read.merged)
            result.merged.push_back(prefix(line));
        for (const std::string& line : read.otherYear)
            result.otherYear.push_back(prefix(line));
        for (RefusedLine& r : read.refused)
            result.refused.push_back({r.line, std::move(r.reason), file.name});
        result.skipped += read.skipped;
        if (broker) {
            statements.emplace_back();
            foreignimport::ReadStatementEvents(text, file.name, statements.back());
        }
    }
    result.format = formats.empty() ? std::string("отчет брокера") : formats.front();
    for (size_t i = 1; i < formats.size(); ++i)
        result.format += ", " + formats[i];
    if (files.size() > 1)
        result.format += " (файлов: " + std::to_string(files.size()) + ")";
    ticker.SetTotal(ticker.Done() + payments.size());
    for (const auto& [p, file] : payments) {
        if (!ticker.Step())
            break;
        if (std::string reason = CountRefusal(options.present, result); !reason.empty()) {
            result.refused.push_back({p.line, reason, file});
            continue;
        }
        mTCurrencyIncome record;
        if (std::string reason = foreignimport::MakeStorableRecord(p, rates, record, result.replaced);
            !reason.empty()) {
            result.refused.push_back({p.line, reason, file});
            continue;
        }
        result.imported.push_back((file.empty() ? "" : file + ", ") + foreignimport::Describe(p, record));
        result.records.push_back(std::move(record));
    }
    if (ticker.Stopped()) {
        ForeignImport none;
        none.format = result.format;
        none.stopped = true;
        return none;
    }
    if (!statements.empty()) {
        const StatementEvents events = foreignimport::JoinStatements(std::move(statements));
        const size_t before = result.records.size();
        try {
            result.trades = MatchTrades(events, rates, options.dates, options.holidays);
            for (auto& [where, reason] : result.trades.refused)
                result.refused.push_back({where.line, reason, where.file});
            TradeRecords records(events, rates, options.present, result);
            records.Sales();
            records.Interest();
        } catch (const MoneyOverflow&) {
            // Quantities or amounts beyond the money range: no trade is taken rather than a part.
            result.records.resize(before);
            result.imported.resize(before);
            result.trades = TradesResult();
            result.refused.push_back({0, "сделки не рассчитаны: сумма или количество не помещаются в декларацию"});
        }
    }
    std::stable_sort(result.refused.begin(), result.refused.end(), [](const RefusedLine& a, const RefusedLine& b) {
        return a.file != b.file ? a.file < b.file : a.line < b.line;
    });
    return result;
}

}  // namespace zizaza
