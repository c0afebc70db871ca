// Broker statements and our template: arbitrary bytes read as one or two reports (split at the
// first byte 0x01), with the dividends, the trades and their FIFO matching, every record applied to
// a declaration, which must then save and load back. Reading ends in a result or the program's own
// errors; a declaration that cannot be saved after an import is a finding.
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/DictionaryError.h"
#include "dictionaries/XmlDoc.h"
#include "imports/ForeignIncomeImport.h"
#include "imports/SettlementDates.h"
#include "model/DeclarationBytes.h"
#include "model/mTDeclaration.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace zizaza;

const CurrencyRates& Rates() {
    static const CurrencyRates rates = CurrencyRates::FromDoc(XmlDoc::ParseText(
        "<CurrencyRates>"
        "<Currency Code=\"840\" Alpha=\"USD\" Name=\"Доллар США\" Covered=\"01.01.2016-31.12.2018\">"
        "<Rate Date=\"01.01.2016\" Rate=\"72.9299\" Quantity=\"1\"/><Rate Date=\"01.06.2017\" Rate=\"56.5\" "
        "Quantity=\"1\"/></Currency>"
        "<Currency Code=\"398\" Alpha=\"KZT\" Name=\"Тенге\" Covered=\"01.01.2017-31.12.2017\">"
        "<Rate Date=\"01.01.2017\" Rate=\"17.9845\" Quantity=\"100\"/></Currency>"
        "</CurrencyRates>",
        "rates.xml"));
    return rates;
}

// The first byte picks a header, so that the reader gets past it more often than by chance.
constexpr const char* kHeads[] = {
    "",
    "Дата;Страна;Источник;КодДохода;Валюта;Доход;Налог;ДатаНалога;КурсДохода;КурсНалога\n",
    "Dividends,Header,Currency,Date,Description,Amount\n",
    ("Withholding Tax,Header,Currency,Date,Description,Amount,Code\n"
     "Dividends,Header,Currency,Date,Description,Amount\n"),
    "Trades,Header,DataDiscriminator,Asset Category,Currency,Symbol,Date/Time,Quantity,T. Price,Proceeds,Comm/Fee\n",
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    static const ExchangeHolidays holidays = ExchangeHolidays::Parse("02.01.2017;x\n04.09.2017;x\n01.01.2018;x\n");
    const std::string bytes = std::string(kHeads[data[0] % std::size(kHeads)]) +
                              std::string(reinterpret_cast<const char*>(data) + 1, size - 1);
    const size_t split = bytes.find('\x01');
    std::vector<ReportFile> files{{"a", bytes.substr(0, split)}};
    if (split != std::string::npos)
        files.push_back({"b", bytes.substr(split + 1)});
    ForeignImportOptions options;
    options.holidays = &holidays;
    options.present = data[0] & 0x80 ? 65534 : 0;
    ForeignImport result;
    try {
        result = ReadForeignReports(files, Rates(), options);
    } catch (const DictionaryError&) {
        return 0;
    }
    DescribeForeignImport(result);
    mTDeclaration declaration;
    try {
        ApplyForeignImport(declaration, result);
        mTDeclaration back;
        LoadDeclarationFromBytes(back, SaveDeclarationToBytes(declaration));
        if (back.CurrencyIncomeCount() != result.records.size())
            std::abort();
    } catch (const std::exception& e) {
        // Every record the import gives must fit the declaration file.
        std::fprintf(stderr, "FINDING: the imported declaration cannot be saved: %s\n", e.what());
        std::abort();
    }
    return 0;
}
