#include "filing/FiledDeclaration.h"

#include "dictionaries/DictionaryError.h"
#include "dictionaries/XmlDoc.h"

#include <charconv>

namespace zizaza {
namespace {

const xmlNode* child(const xmlNode* node, std::string_view name) {
    if (!node)
        return nullptr;
    for (xmlNode* c : ChildElements(node))
        if (ElementName(c) == name)
            return c;
    return nullptr;
}

std::string attr(const xmlNode* node, const char* name) {
    return node ? AttributeOr(node, name) : std::string();
}

long long whole(const std::string& text) {
    long long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size())
        throw FilingError("В файле декларации сумма раздела 1 записана неверно: \"" + text + "\"");
    return value;
}

}  // namespace

std::vector<const Section1Entry*> FiledDeclaration::RefundLines() const {
    std::vector<const Section1Entry*> lines;
    for (const Section1Entry& entry : section1)
        if (entry.sign == "2" && entry.toRefund > 0)
            lines.push_back(&entry);
    return lines;
}

FiledDeclaration ReadFiledDeclaration(std::string_view xmlText, const std::string& name) {
    XmlDoc doc;
    try {
        doc = XmlDoc::ParseText(xmlText, name);
    } catch (const DictionaryError& e) {
        throw FilingError(e.what());
    }
    const xmlNode* root = doc.Root();
    const xmlNode* document = root && ElementName(root) == "Файл" ? child(root, "Документ") : nullptr;
    if (!document)
        throw FilingError("Файл " + name + " не является файлом декларации: нет элементов Файл и Документ");
    FiledDeclaration d;
    d.fileId = attr(root, "ИдФайл");
    d.formVersion = attr(root, "ВерсФорм");
    d.knd = attr(document, "КНД");
    d.year = attr(document, "ОтчетГод");
    d.correctionNumber = attr(document, "НомКорр");
    d.documentDate = attr(document, "ДатаДок");
    d.inspectionCode = attr(document, "КодНО");
    const xmlNode* person = child(child(document, "СвНП"), "НПФЛ3");
    if (!person)
        person = child(child(document, "СвНП"), "НПФЛ");
    const xmlNode* names = child(person, "ФИОФЛ");
    if (!names)
        names = child(person, "ФИО");
    d.surname = attr(names, "Фамилия");
    d.firstName = attr(names, "Имя");
    d.patronymic = attr(names, "Отчество");
    const xmlNode* info = child(person, "СведФЛ1");
    if (!info)
        info = child(person, "СведФЛ2");
    d.inn = info ? attr(info, "ИННФЛ") : attr(person, "ИННФЛ");
    d.birthDate = attr(info, "ДатаРожд");
    d.birthPlace = attr(info, "МестоРожд");
    const xmlNode* id = child(info, "УдЛичн");
    d.idDocCode = attr(id, "КодВидДок");
    d.idDocNumber = attr(id, "СерНомДок");
    d.idDocDate = attr(id, "ДатаДок");
    d.idDocIssuer = attr(id, "ВыдДок");
    const xmlNode* signer = child(document, "Подписант");
    d.signerCode = attr(signer, "ПрПодп");
    const xmlNode* signerName = child(signer, "ФИО");
    d.signerSurname = attr(signerName, "Фамилия");
    d.signerFirstName = attr(signerName, "Имя");
    d.signerPatronymic = attr(signerName, "Отчество");
    d.signerDocument = attr(child(signer, "СвПред"), "НаимДок");
    if (const xmlNode* body = child(document, "НДФЛ3"))
        for (xmlNode* line : ChildElements(body))
            if (ElementName(line) == "СумНалПу")
                d.section1.push_back(Section1Entry{attr(line, "КБК"), attr(line, "ОКТМО"), attr(line, "ПрУплВозв"),
                                                   whole(attr(line, "ПодлУпл")), whole(attr(line, "ПодлВозв"))});
    return d;
}

}  // namespace zizaza
