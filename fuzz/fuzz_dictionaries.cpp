// Feeds arbitrary bytes to the SOUN table reader and to the dictionary XML readers: each must
// end in a DictionaryError or a clean read, and never touch memory outside its input.
#include "dictionaries/CodeList.h"
#include "dictionaries/CurrencyRates.h"
#include "dictionaries/DbfTable.h"
#include "dictionaries/DictionaryError.h"
#include "dictionaries/ImportSoun.h"
#include "dictionaries/Okved.h"
#include "dictionaries/XmlDoc.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zizaza;
    if (size == 0)
        return 0;
    // The first byte chooses the reader.
    std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        switch (data[0] % 3) {
            case 0: {
                DbfTable table(bytes, "soun1.dbf", soun::kRecordSize);
                InspectionsXml(ReadSounInspections(table), "01.01.2018", "00");
                break;
            }
            case 1: {
                XmlDoc doc = XmlDoc::ParseText(bytes, "fuzz.xml");
                ReadCodeList(doc);
                OkvedDict dict = OkvedDict::FromDoc(doc);
                OkvedChooser chooser(dict);
                if (chooser.ItemCount(1) > 1)
                    chooser.Choose(1, 1);
                break;
            }
            default: {
                CurrencyRates rates = CurrencyRates::FromDoc(XmlDoc::ParseText(bytes, "fuzz.xml"));
                for (const Currency& c : rates.Currencies())
                    rates.FindRate(c.code, Date::Ymd(2017, 1, 10));
                break;
            }
        }
    } catch (const DictionaryError&) {
    }
    return 0;
}
