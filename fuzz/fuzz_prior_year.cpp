// Last year's declaration in the tax service's XML: arbitrary bytes read, checked against the
// schemas the program ships and carried over into a new declaration, which must then save and
// load back. Half of the inputs skip the schema, so that the carry-over meets what the schema
// would refuse as well. Reading ends in a declaration or a CarryOverError; a carried declaration
// that cannot be saved is a finding.
#include "carryover/CarryOverError.h"
#include "carryover/PriorYearCarry.h"
#include "carryover/PriorYearFile.h"
#include "dictionaries/DictionaryError.h"
#include "model/DeclarationBytes.h"
#include "model/mTDeclaration.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace zizaza;

constexpr const char* kDataFolder = ZIZAZA_DATA_DIR;

// The file without its schema: the form and version as ParsePriorYearFile tells them.
PriorYearFile Unchecked(const std::string& bytes) {
    PriorYearFile file;
    file.xml = XmlDoc::ParseText(bytes, "prior.xml");
    file.formatText = AttributeOr(file.xml.Root(), "ВерсФорм");
    file.format = file.formatText == "5.10" ? PriorYearFormat::V510 : PriorYearFormat::V512;
    file.taxYear = file.format == PriorYearFormat::V510 ? 2016 : 2017;
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    CarriedDeclaration carried;
    try {
        const PriorYearFile file = data[0] & 1 ? ParsePriorYearFile(bytes, "prior.xml", kDataFolder) : Unchecked(bytes);
        carried = CarryOver(file, Date::Ymd(2018, 3, 15), kDataFolder);
    } catch (const CarryOverError&) {
        return 0;
    } catch (const DictionaryError&) {
        return 0;
    }
    carried.report.Text();
    try {
        mTDeclaration back;
        LoadDeclarationFromBytes(back, SaveDeclarationToBytes(*carried.declaration));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "FINDING: the carried declaration cannot be saved: %s\n", e.what());
        std::abort();
    }
    return 0;
}
