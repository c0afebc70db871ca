#include "carryover/PriorYearFile.h"

#include "carryover/CarryOverError.h"
#include "carryover/SchemaValidation.h"
#include "dictionaries/DictionaryError.h"
#include "dictionaries/FileIo.h"

#include <charconv>

namespace zizaza {
namespace {

constexpr const char* kNot3Ndfl =
    "Файл не является декларацией 3-НДФЛ в формате налоговой службы (XML-файл другого вида).";

xmlNode* FirstChild(const xmlNode* parent, std::string_view name) {
    for (xmlNode* child : ChildElements(parent))
        if (ElementName(child) == name)
            return child;
    return nullptr;
}

std::string FormName(const std::string& knd) {
    if (knd == "1151021")
        return "декларацию 4-НДФЛ";
    return "форму с кодом КНД " + knd;
}

std::string Folder(const std::string& dataFolder) {
    if (dataFolder.empty() || dataFolder.back() == '/')
        return dataFolder;
    return dataFolder + "/";
}

}  // namespace

PriorYearFile ParsePriorYearFile(const std::string& bytes, const std::string& name, const std::string& dataFolder) {
    PriorYearFile file;
    try {
        file.xml = XmlDoc::ParseText(bytes, name);
    } catch (const DictionaryError& e) {
        throw CarryOverError(std::string("Файл не является XML-файлом или поврежден. ") + e.what());
    }
    const xmlNode* root = file.xml.Root();
    const xmlNode* document = ElementName(root) == "Файл" ? FirstChild(root, "Документ") : nullptr;
    if (!document)
        throw CarryOverError(kNot3Ndfl);
    const std::string knd = AttributeOr(document, "КНД");
    if (knd != "1151020")
        throw CarryOverError("Файл содержит " + FormName(knd) + ", а не декларацию 3-НДФЛ.");

    file.formatText = AttributeOr(root, "ВерсФорм");
    std::string schema;
    if (file.formatText == "5.10") {
        file.format = PriorYearFormat::V510;
        schema = kSchema510FileName;
    } else if (file.formatText == "5.12") {
        file.format = PriorYearFormat::V512;
        schema = kSchema512FileName;
    } else {
        throw CarryOverError("Декларация 3-НДФЛ в формате версии \"" + file.formatText +
                             "\" не поддерживается: читаются форматы 5.10 (декларация за 2016 год) и 5.12 "
                             "(декларация за 2017 год).");
    }
    const std::string complaint = SchemaComplaint(file.xml, Folder(dataFolder) + schema);
    if (!complaint.empty())
        throw CarryOverError("Файл не соответствует формату " + file.formatText + ": " + complaint);

    const std::string year = AttributeOr(document, "ОтчетГод");
    std::from_chars(year.data(), year.data() + year.size(), file.taxYear);
    return file;
}

PriorYearFile ReadPriorYearFile(const std::string& path, const std::string& dataFolder) {
    std::string bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const DictionaryError& e) {
        throw CarryOverError(e.what());
    }
    return ParsePriorYearFile(bytes, path, dataFolder);
}

}  // namespace zizaza
