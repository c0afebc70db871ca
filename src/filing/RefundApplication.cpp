#include "filing/RefundApplication.h"

#include "dictionaries/XmlDoc.h"
#include "export/XmlExportText.h"

namespace zizaza {
namespace {

// Codes printed on the application: the article of the Tax Code that gives the refund, an overpaid
// (not exacted) amount, of a tax (not penalty interest or a fine), the payer a person.
constexpr const char* kArticle = "78";
constexpr const char* kOverpaid = "1";
constexpr const char* kOfTax = "1";
constexpr const char* kRecipientPerson = "3";

void put(xmlNode* node, const char* name, const std::string& value) {
    if (!value.empty())
        SetAttribute(node, name, value);
}

std::string fullName(const FiledDeclaration& d) {
    std::string name = d.surname;
    for (const std::string* part : {&d.firstName, &d.patronymic})
        if (!part->empty())
            name += " " + *part;
    return name;
}

}  // namespace

std::string RefundApplicationsXml(const FiledDeclaration& declaration, const RefundRequest& request) {
    const auto lines = declaration.RefundLines();
    if (lines.empty())
        throw FilingError("В разделе 1 декларации нет сумм налога к возврату: заявление на возврат не нужно.");
    if (auto problem = CheckBankDetails(request.bank))
        throw FilingError(problem->message);

    XmlDoc doc = XmlDoc::WithRoot("Файл");
    xmlNode* root = doc.Root();
    SetAttribute(root, "ИдФайл", "Заявление на возврат " + declaration.fileId);
    int number = 0;
    for (const Section1Entry* line : lines) {
        xmlNode* application = AppendElement(root, "Документ");
        SetAttribute(application, "КНД", kRefundApplicationKnd);
        SetAttribute(application, "НомЗаяв", std::to_string(++number));
        SetAttribute(application, "ДатаДок", request.date.ToText());
        put(application, "КодНО", declaration.inspectionCode);
        SetAttribute(application, "Статья", kArticle);
        SetAttribute(application, "ПрПереплаты", kOverpaid);
        SetAttribute(application, "ВидПлат", kOfTax);
        SetAttribute(application, "Сумма", std::to_string(line->toRefund));
        SetAttribute(application, "Период", kRefundTaxPeriod);
        SetAttribute(application, "ОКТМО", line->oktmo);
        SetAttribute(application, "КБК", line->kbk);

        xmlNode* payer = AppendElement(application, "Заявитель");
        put(payer, "ИНН", declaration.inn);
        put(payer, "Фамилия", declaration.surname);
        put(payer, "Имя", declaration.firstName);
        put(payer, "Отчество", declaration.patronymic);

        xmlNode* account = AppendElement(application, "СвСчет");
        SetAttribute(account, "НаимБанк", UpperCase(request.bank.bankName));
        SetAttribute(account, "БИК", request.bank.bic);
        put(account, "КорСч", request.bank.correspondentAccount);
        SetAttribute(account, "ВидСч", AccountKindCode(request.bank.account));
        SetAttribute(account, "НомСч", request.bank.account);
        SetAttribute(account, "Получатель", kRecipientPerson);
        SetAttribute(account, "НаимПолуч", fullName(declaration));
        put(account, "ИННПолуч", declaration.inn);

        if (declaration.inn.empty()) {
            xmlNode* person = AppendElement(application, "СвФЛ");
            put(person, "Фамилия", declaration.surname);
            put(person, "Имя", declaration.firstName);
            put(person, "Отчество", declaration.patronymic);
            put(person, "КодВидДок", declaration.idDocCode);
            put(person, "СерНомДок", declaration.idDocNumber);
            put(person, "ДатаВыд", declaration.idDocDate);
            put(person, "ВыдДок", declaration.idDocIssuer);
            put(person, "ДатаРожд", declaration.birthDate);
            put(person, "МестоРожд", declaration.birthPlace);
            put(person, "Адрес", UpperCase(request.address));
        }

        xmlNode* signer = AppendElement(application, "Подписант");
        const bool representative = declaration.signerCode == "2";
        SetAttribute(signer, "ПрПодп", representative ? "2" : "1");
        xmlNode* signerName = AppendElement(signer, "ФИО");
        put(signerName, "Фамилия", representative ? declaration.signerSurname : declaration.surname);
        put(signerName, "Имя", representative ? declaration.signerFirstName : declaration.firstName);
        put(signerName, "Отчество", representative ? declaration.signerPatronymic : declaration.patronymic);
        if (representative)
            put(signer, "НаимДок", declaration.signerDocument);
    }
    return doc.Serialize("UTF-8");
}

}  // namespace zizaza
