// Feeds arbitrary bytes to the foreign-income import as one or two reports (split at the first
// byte 0x01): the template reader, the dividends and the trades of the broker statement with
// their FIFO matching must end in a result or a clean error, never touch memory outside the input.
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/XmlDoc.h"
#include "imports/ForeignIncomeImport.h"
#include "imports/SettlementDates.h"
#include "storage/Money.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zizaza;
    static const CurrencyRates rates = CurrencyRates::FromDoc(XmlDoc::ParseText(
        "<CurrencyRates><Currency Code=\"840\" Alpha=\"USD\" Name=\"Доллар США\" Covered=\"01.01.2016-31.12.2018\">"
        "<Rate Date=\"01.01.2016\" Rate=\"70\" Quantity=\"1\"/><Rate Date=\"01.03.2017\" Rate=\"58\" Quantity=\"1\"/>"
        "</Currency></CurrencyRates>",
        "rates.xml"));
    static const ExchangeHolidays holidays = ExchangeHolidays::Parse("02.01.2017;x\n04.09.2017;x\n01.01.2018;x\n");
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const size_t split = bytes.find('\x01');
    std::vector<ReportFile> files{{"a", bytes.substr(0, split)}};
    if (split != std::string::npos)
        files.push_back({"b", bytes.substr(split + 1)});
    ForeignImportOptions options;
    options.holidays = &holidays;
    try {
        const ForeignImport result = ReadForeignReports(files, rates, options);
        DescribeForeignImport(result);
    } catch (const MoneyOverflow&) {
        // Amounts beyond the range of money are refused as a whole.
    }
    return 0;
}
