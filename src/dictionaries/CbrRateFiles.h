#pragma once

#include "dictionaries/CurrencyRates.h"

#include <string>
#include <string_view>
#include <vector>

namespace zizaza {

// The Bank of Russia's own currency identifiers ("R01235"), shipped beside the program: its
// history files name the currency only by them.
inline constexpr const char* kCbrCurrencyIdsFileName = "CbrCurrencyIds.csv";

struct CbrCurrencyId {
    std::string id;       // "R01235"
    std::string isoNum;   // "840"
    std::string isoChar;  // "USD"
    std::string name;     // "Доллар США"
};

// The identifiers table: header cbr_id,iso_num,iso_char,name. DictionaryError when unreadable.
std::vector<CbrCurrencyId> ParseCbrCurrencyIds(std::string_view text);
std::vector<CbrCurrencyId> LoadCbrCurrencyIds(const std::string& path);

// The rates of one currency read from a Bank of Russia file.
struct LoadedRates {
    std::string code;   // numeric
    std::string alpha;  // letter code, may be empty
    std::string name;
    std::vector<CurrencyRate> rates;  // ascending dates, "DD.MM.YYYY", rate with a decimal point
    DateRange covered;                // the days the file gives the rate in force for
};

// Reads a rate file of the Bank of Russia: the daily XML (ValCurs with Valute elements), the
// history XML of one currency (ValCurs with Record elements) or the CSV of the rate-history export
// (nominal;data;curs;cdx, UTF-8 or windows-1251). `rates` names the currencies the file names only
// by their Russian name. DictionaryError telling what is wrong when the file is none of these or
// holds a value that is no rate; nothing is read from such a file.
std::vector<LoadedRates> ReadCbrRateFile(std::string_view bytes, const std::string& fileName,
                                         const std::vector<CbrCurrencyId>& ids, const CurrencyRates& rates);

// What a merge added for one currency.
struct AddedRates {
    std::string code;
    std::string name;
    DateRange range;
    size_t added = 0;    // dates that had no entry
    size_t changed = 0;  // dates whose entry held another rate
};

// The dictionary with the loaded rates: entries of the same date replaced, the covered days
// extended; a currency the dictionary lacks is added in code order.
CurrencyRates MergeRates(const CurrencyRates& base, const std::vector<LoadedRates>& loaded,
                         std::vector<AddedRates>& report);

// "Добавлены курсы ЦБ РФ:" with one line per currency (code, name, dates, counts).
std::string DescribeAddedRates(const std::vector<AddedRates>& report);

// Where the rate dictionary is read from and written to: a copy under the user's data folder,
// once it exists, is read in preference to the program's file; writes go to the program's file
// while its folder is writable, otherwise to the user's copy.
struct RatesFiles {
    std::string read;
    std::string write;
};
RatesFiles ChooseRatesFiles(const std::string& programFile, const std::string& userFile);

// The user's data folder of the program: $XDG_DATA_HOME (or ~/.local/share) followed by the
// organisation and program names, as the desktop program's settings use them.
std::string UserDataFolder();

// Writes the dictionary so that the file is replaced completely or not at all, after reading the
// written text back; the folder is created when missing. DictionaryError on failure.
void SaveCurrencyRates(const CurrencyRates& rates, const std::string& path);

// Loads a Bank of Russia file into the dictionary file `files.read`, saved to `files.write`; the
// report of DescribeAddedRates. DictionaryError on any failure, with the files unchanged.
std::string ImportCbrRates(const std::string& rateFile, const RatesFiles& files, const std::string& idsFile);

}  // namespace zizaza
