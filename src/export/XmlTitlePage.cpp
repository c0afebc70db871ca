#include "export/XmlTitlePage.h"

#include "export/XmlExportText.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"
#include "storage/TextCodec.h"

namespace zizaza {
namespace {

constexpr size_t kNamePartLimit = 60;

// The part of text before its first blank, at most 60 characters, trimmed; the whole text when
// it has no blank.
std::string FirstWord(const std::string& text) {
    auto blank = text.find(' ');
    if (blank == std::string::npos)
        return text;
    return Trim(FirstChars(text.substr(0, blank), kNamePartLimit));
}

std::string CountryCode(const std::string& code) {
    std::string c = Trim(code);
    return PadZeros(c.empty() ? "643" : c, 3);
}

void PutPersonName(XmlElement parent, const char* elementName, const mTPersonName& name) {
    XmlElement fio = AppendElement(parent, elementName);
    PutAttribute(fio, "Фамилия", name.Surname);
    PutAttribute(fio, "Имя", name.FirstName);
    if (!IsBlank(name.Patronymic))
        PutAttribute(fio, "Отчество", name.Patronymic);
}

void PutPhone(XmlElement taxpayer, const mTPersonInformation& person) {
    if (!IsBlank(person.HomePhone.Number))
        PutAttribute(taxpayer, "Тлф", person.HomePhone.Number);
}

void PutIdentityDocument(XmlElement parent, const mTPersonDoc& doc) {
    XmlElement ud = AppendElement(parent, "УдЛичн");
    PutAttribute(ud, "КодВидДок", PadZeros(std::to_string(doc.KindCode), 2));
    PutAttribute(ud, "СерНомДок", doc.SeriesNumber);
    PutAttribute(ud, "ДатаДок", doc.IssueDate.ToText());
    PutAttribute(ud, "ВыдДок", doc.IssuedBy);
}

void WriteTaxpayer4(XmlElement svnp, const mTDeclaration& d) {
    const mTPersonInformation& p = d.Person;
    XmlElement np = AppendElement(svnp, "НПФЛ");
    PutAttribute(np, "ДокПредст", TaxpayerCategoryCode(d.TaxpayerCategory, true));
    PutAttribute(np, "ИННФЛ", p.Name.Inn);
    PutAttribute(np, "ОКТМО", p.Address.Oktmo);
    PutPhone(np, p);
    PutPersonName(np, "ФИО", p.Name);
}

void WriteTaxpayer3(XmlElement svnp, const mTDeclaration& d) {
    const mTPersonInformation& p = d.Person;
    XmlElement np = AppendElement(svnp, "НПФЛ3");
    PutAttribute(np, "ДокПредст", TaxpayerCategoryCode(d.TaxpayerCategory, false));
    PutAttribute(np, "Статус", d.DeclarationForm == kForm3NdflNonResident ? "2" : "1");
    if (!IsBlank(p.Foreigner.AddressAbroad))
        PutAttribute(np, "АдрИно", p.Foreigner.AddressAbroad);
    PutPhone(np, p);
    PutPersonName(np, "ФИОФЛ", p.Name);
    if (!IsBlank(p.Name.Inn)) {
        XmlElement sv = AppendElement(np, "СведФЛ1");
        PutAttribute(sv, "ИННФЛ", p.Name.Inn);
        PutAttribute(sv, "ДатаРожд", p.Document.BirthDate.ToText());
        if (!IsBlank(p.Document.BirthPlace))
            PutAttribute(sv, "МестоРожд", p.Document.BirthPlace);
        PutAttribute(sv, "ОКСМ", CountryCode(p.Foreigner.CountryCode));
        if (p.Document.KindCode != 0)
            PutIdentityDocument(sv, p.Document);
    } else {
        XmlElement sv = AppendElement(np, "СведФЛ2");
        PutAttribute(sv, "ДатаРожд", p.Document.BirthDate.ToText());
        PutAttribute(sv, "МестоРожд", p.Document.BirthPlace);
        PutAttribute(sv, "ОКСМ", CountryCode(p.Foreigner.CountryCode));
        PutIdentityDocument(sv, p.Document);
    }
}

// Any signer other than the taxpayer in person is a representative: the file must then name
// them (ФИО) and their authority (СвПред).
void WriteSigner(XmlElement document, const mTDeclaration& d, bool ndfl4) {
    XmlElement signer = AppendElement(document, "Подписант");
    bool representative = d.SignerKind != SignerKind::InPerson;
    PutAttribute(signer, "ПрПодп", representative ? "2" : "1");
    if (!representative)
        return;
    SplitName name = SplitRepresentativeName(d.RepresentativeName);
    XmlElement fio = AppendElement(signer, "ФИО");
    PutAttribute(fio, "Фамилия", name.surname);
    PutAttribute(fio, "Имя", name.firstName);
    if (!name.patronymic.empty())
        PutAttribute(fio, "Отчество", name.patronymic);
    XmlElement authority = AppendElement(signer, "СвПред");
    PutAttribute(authority, "НаимДок", d.RepresentativeDocument);
    if (ndfl4 && !IsBlank(d.RepresentativeOrganization))
        PutAttribute(authority, "НаимОрг", d.RepresentativeOrganization);
}

}  // namespace

std::string TaxpayerCategoryCode(TaxpayerCategory category, bool ndfl4) {
    switch (category) {
        case TaxpayerCategory::Entrepreneur:
            return "720";
        case TaxpayerCategory::FarmHead:
            return "770";
        case TaxpayerCategory::Notary:
            return "730";
        case TaxpayerCategory::Lawyer:
            return "740";
        case TaxpayerCategory::Other:
            return ndfl4 ? "000" : "760";
        case TaxpayerCategory::ArbitrationManager:
            return ndfl4 ? "000" : "750";
    }
    throw XmlError("unknown taxpayer category " + std::to_string(static_cast<uint16_t>(category)));
}

SplitName SplitRepresentativeName(const std::string& name) {
    SplitName result;
    std::string r = Trim(name);
    std::string surname = FirstWord(r);
    std::string rest = Trim(AfterChars(r, CodePointCount(surname)));
    std::string firstName = FirstWord(rest);
    std::string patronymic = Trim(FirstChars(Trim(AfterChars(rest, CodePointCount(firstName))), kNamePartLimit));
    result.surname = surname.empty() ? " " : surname;
    result.firstName = firstName.empty() ? " " : firstName;
    result.patronymic = patronymic;
    return result;
}

XmlElement WriteTitlePage(XmlElement root, const mTDeclaration& d, const std::string& todayText) {
    bool ndfl4 = d.DeclarationForm == kForm4Ndfl;
    XmlElement document = AppendElement(root, "Документ");
    PutAttribute(document, "КНД", ndfl4 ? "1151021" : "1151020");
    PutAttribute(document, "ДатаДок", todayText);
    if (!ndfl4)
        PutAttribute(document, "Период", "34");
    // A 4-NDFL estimates the income of the year that follows.
    PutAttribute(document, "ОтчетГод", std::to_string(ndfl4 ? kTaxYear + 1 : kTaxYear));
    PutAttribute(document, "КодНО", d.InspectionCode);
    PutAttribute(document, "НомКорр", std::to_string(d.CorrectionNumber));

    XmlElement svnp = AppendElement(document, "СвНП");
    if (ndfl4)
        WriteTaxpayer4(svnp, d);
    else
        WriteTaxpayer3(svnp, d);
    WriteSigner(document, d, ndfl4);
    return document;
}

void Write4NdflBody(XmlElement document, const mTDeclaration& d) {
    XmlElement body = AppendElement(document, "НДФЛ4");
    PutAttribute(body, "ПредДоход", WholeAmount(d.EstimatedIncome));
}

}  // namespace zizaza
