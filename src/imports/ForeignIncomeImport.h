#pragma once

#include "imports/BrokerTrades.h"
#include "model/mTCurrencyIncome.h"
#include "storage/Date.h"
#include "storage/Money.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zizaza {

class CurrencyRates;
class mTDeclaration;

// One payment read from a report, before it meets the dictionaries.
struct ForeignPayment {
    size_t line = 0;  // the line of the report it comes from (its first one when merged)
    Date incomeDate;
    std::string country;  // OKSM code, or the letter code as given
    std::string source;   // name of the source of payment
    int32_t incomeCode = 1010;
    std::string currency;  // numeric or letter code, as given
    Money income;          // in the currency
    Money tax;             // withheld abroad, in the currency
    Date taxDate;
    std::optional<Money> incomeRate;  // explicit rates per unit; the dictionary's when absent
    std::optional<Money> taxRate;
};

struct RefusedLine {
    RefusedLine() = default;
    RefusedLine(size_t at, std::string why, std::string in = {})
        : line(at), reason(std::move(why)), file(std::move(in)) {}
    size_t line = 0;
    std::string reason;
    std::string file;  // with several reports: the one the line is in
};

// The result of reading a report: the records it gives and what happened to every line. Nothing
// is in the declaration until ApplyForeignImport.
struct ForeignImport {
    std::string format;  // "шаблон программы" or "отчет брокера"
    std::vector<mTCurrencyIncome> records;
    std::vector<std::string> imported;   // one line per record
    std::vector<std::string> replaced;   // texts whose characters the declaration file lacks were made plain
    std::vector<std::string> merged;     // lines netted into another payment
    std::vector<RefusedLine> refused;    // lines left out, with the reason
    std::vector<std::string> otherYear;  // lines of another tax year: listed, never imported nor refused
    size_t skipped = 0;                  // total rows and rows of other sections
    bool stopped = false;                // the caller stopped the import: nothing to apply
    TradesResult trades;                 // the sales matched by FIFO, interest, fees, open lots
};

// One report to import: its name (shown with its lines when there are several) and its bytes.
struct ReportFile {
    std::string name;
    std::string bytes;
};

struct ForeignImportOptions {
    TradeDates dates = TradeDates::Settlement;
    const ExchangeHolidays* holidays = nullptr;  // the exchange calendar for settlement dates
    size_t present = 0;                          // foreign incomes already in the declaration
};

// How far an import has come: `done` of `total` steps (the rows of the report, then the payments
// made into records; the total grows once the payments are known). Returns false to stop it.
using ImportProgress = std::function<bool(size_t done, size_t total)>;

// Reads our template or the broker's activity statement (the kind is told by the content;
// UTF-8 or windows-1251): each payment becomes one foreign income record with the Central Bank's
// rates of its dates from `rates` (unless the template gives them), its amounts in roubles
// computed by the record as the foreign incomes screen does, no deduction. `progress`, when given,
// is told every few hundred steps; once it returns false the import stops with `stopped` set.
// Every record fits the declaration file (see ImportText.h): a text is made plain or its line
// refused, and the payments beyond the list's limit, with `present` records already in the
// declaration, are refused.
ForeignImport ReadForeignReport(std::string_view bytes, const CurrencyRates& rates, const ImportProgress& progress = {},
                                size_t present = 0);

// Several reports at once (any order): the dividends as above, taken once when two statements
// hold the same payment; the trades of all broker statements matched by FIFO per security across
// the files, each sale of the tax year a record of its income code (1530, derivatives 1532) with
// the deduction (201, 206) of its lots and commissions in roubles; the broker's interest a record
// of code 1011.
ForeignImport ReadForeignReports(const std::vector<ReportFile>& files, const CurrencyRates& rates,
                                 const ForeignImportOptions& options, const ImportProgress& progress = {});

// The report for the user: the records imported, the lines merged and every refused line with
// its reason.
std::string DescribeForeignImport(const ForeignImport& result);

// Appends the records to the declaration's foreign incomes (switching them on when needed).
void ApplyForeignImport(mTDeclaration& declaration, const ForeignImport& result);

// The readers of the two formats (the payments before rates are applied), for ReadForeignReport.
namespace foreignimport {
struct Payments {
    std::vector<ForeignPayment> payments;
    std::vector<std::string> merged;
    std::vector<RefusedLine> refused;
    std::vector<std::string> otherYear;
    size_t skipped = 0;
};
// Counts the steps of an import and tells the caller's progress every kEvery of them, so that a
// large report is not slowed down by its progress.
class ProgressTicker {
public:
    static constexpr size_t kEvery = 500;
    explicit ProgressTicker(const ImportProgress& progress) : m_progress(progress) {}
    void SetTotal(size_t total) { m_total = total; }
    size_t Done() const { return m_done; }
    // One more step; false once the caller has stopped the import.
    bool Step() {
        if (++m_done % kEvery == 0 && m_progress && !m_stopped)
            m_stopped = !m_progress(m_done, m_total);
        return !m_stopped;
    }
    bool Stopped() const { return m_stopped; }

private:
    const ImportProgress& m_progress;
    size_t m_done = 0;
    size_t m_total = 0;
    bool m_stopped = false;
};
bool IsBrokerStatement(std::string_view text);
// The readers take a step per row and stop early once the ticker is stopped.
Payments ReadTemplate(std::string_view text, ProgressTicker& ticker);
Payments ReadBrokerStatement(std::string_view text, ProgressTicker& ticker);
// The record of a payment, or the reason it cannot be one; and its line of the report.
std::string MakeRecord(const ForeignPayment& p, const CurrencyRates& rates, mTCurrencyIncome& r);
// The same, made fit for the declaration file (see FitRecordToFile).
std::string MakeStorableRecord(const ForeignPayment& p, const CurrencyRates& rates, mTCurrencyIncome& r,
                               std::vector<std::string>& replaced);
// Makes a record fit the declaration file (see ImportText.h): its source's name plain, noted in
// `replaced` under `where`; the reason when its name, a date or an amount cannot be kept.
std::string FitRecordToFile(mTCurrencyIncome& r, const std::string& where, std::vector<std::string>& replaced);
std::string Describe(const ForeignPayment& p, const mTCurrencyIncome& r);
// An amount with a decimal point or comma and at most `decimals` fraction digits (trailing zeros
// aside); nullopt for anything else.
std::optional<Money> ParseAmount(std::string_view text, int decimals);
}  // namespace foreignimport

}  // namespace zizaza
