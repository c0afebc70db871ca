// Bank of Russia rate files (daily and history XML, the CSV export): arbitrary bytes read and
// merged into a dictionary, which must then write and read back. Reading ends in rates or a
// DictionaryError; a merged dictionary that does not read back is a finding.
#include "dictionaries/CbrRateFiles.h"
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/DictionaryError.h"
#include "dictionaries/XmlDoc.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace zizaza;

const std::vector<CbrCurrencyId>& Ids() {
    static const std::vector<CbrCurrencyId> ids = ParseCbrCurrencyIds(
        "cbr_id,iso_num,iso_char,name\nR01235,840,USD,Доллар США\nR01335,398,KZT,Казахстанский тенге\n");
    return ids;
}

const CurrencyRates& Base() {
    static const CurrencyRates rates = CurrencyRates::FromDoc(
        XmlDoc::ParseText("<CurrencyRates><Currency Code=\"398\" Alpha=\"KZT\" Name=\"Тенге\"/>"
                          "<Currency Code=\"840\" Alpha=\"USD\" Name=\"Доллар США\" Covered=\"01.01.2017-31.01.2017\">"
                          "<Rate Date=\"31.12.2016\" Rate=\"60.6569\" Quantity=\"1\"/></Currency></CurrencyRates>",
                          "rates.xml"));
    return rates;
}

constexpr const char* kHeads[] = {
    "",
    "nominal;data;curs;cdx\n",
    "<?xml version=\"1.0\" encoding=\"windows-1251\"?><ValCurs ID=\"R01235\" DateRange1=\"01.02.2017\" "
    "DateRange2=\"28.02.2017\">",
    "<ValCurs Date=\"14.04.2017\">",
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::string bytes = std::string(kHeads[data[0] % std::size(kHeads)]) +
                              std::string(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::vector<LoadedRates> loaded;
    try {
        loaded = ReadCbrRateFile(bytes, "rates.in", Ids(), Base());
    } catch (const DictionaryError&) {
        return 0;
    }
    std::vector<AddedRates> report;
    const CurrencyRates merged = MergeRates(Base(), loaded, report);
    DescribeAddedRates(report);
    try {
        // What was merged is what the next start reads.
        const CurrencyRates back = CurrencyRates::FromDoc(XmlDoc::ParseText(merged.Serialize(), "back.xml"));
        for (const Currency& c : merged.Currencies())
            if (!back.FindCurrency(c.code))
                std::abort();
    } catch (const DictionaryError& e) {
        std::fprintf(stderr, "FINDING: the merged dictionary does not read back: %s\n", e.what());
        std::abort();
    }
    return 0;
}
