#include "carryover/CarryParts.h"
#include "dictionaries/Countries.h"
#include "dictionaries/DictionaryError.h"
#include "dictionaries/DocTypes.h"
#include "dictionaries/Inspections.h"
#include "model/mTDeclaration.h"

#include <array>
#include <charconv>

namespace zizaza::carry {
namespace {

// The taxpayer categories of the declaration by their codes on the title page.
constexpr std::array<std::pair<std::string_view, TaxpayerCategory>, 6> kCategories = {{
    {"720", TaxpayerCategory::Entrepreneur},
    {"770", TaxpayerCategory::FarmHead},
    {"730", TaxpayerCategory::Notary},
    {"740", TaxpayerCategory::Lawyer},
    {"760", TaxpayerCategory::Other},
    {"750", TaxpayerCategory::ArbitrationManager},
}};

std::string Attr(const xmlNode* node, const char* name) {
    return node ? AttributeOr(node, name) : std::string();
}

// A text the person typed last year: carried as the file can hold it.
std::string Text(const xmlNode* node, const char* name, const char* what, CarryOverReport& report) {
    return CarriedText(node, name, what, report);
}

std::optional<std::string> NameIn(const std::string& path, const std::string& code,
                                  std::vector<CodeName> (*load)(const std::string&)) {
    try {
        std::vector<CodeName> rows = load(path);
        if (auto row = FindCodeRow(rows, code))
            return rows[*row].name;
    } catch (const DictionaryError&) {
        // Without the dictionary the name stays to be chosen on the screen.
    }
    return std::nullopt;
}

std::string FolderFile(const std::string& folder, const char* file) {
    if (folder.empty() || folder.back() == '/')
        return folder + file;
    return folder + "/" + file;
}

std::string JoinName(const xmlNode* fio, const char* whose, CarryOverReport& report) {
    std::string name = Text(fio, "Фамилия", whose, report) + " " + Text(fio, "Имя", whose, report);
    if (GetAttribute(fio, "Отчество"))
        name += " " + Text(fio, "Отчество", whose, report);
    return name;
}

void CarryIdentityDocument(const xmlNode* ud, mTPersonDoc& doc, CarryOverReport& report) {
    if (!ud) {
        report.notCarried.push_back("Документ, удостоверяющий личность: в файле его нет");
        return;
    }
    const std::string code = Attr(ud, "КодВидДок");
    int kind = 0;
    std::from_chars(code.data(), code.data() + code.size(), kind);
    doc.KindCode = static_cast<uint16_t>(kind);
    if (auto row = FindDocTypeRow(kind))
        doc.KindName = std::string(DocTypes()[*row].name);
    doc.SeriesNumber = Text(ud, "СерНомДок", "Серия и номер документа", report);
    if (auto issued = CarriedDate(ud, "ДатаДок", "Дата выдачи документа", report))
        doc.IssueDate = *issued;
    doc.IssuedBy = Text(ud, "ВыдДок", "Кем выдан документ", report);
    report.carried.push_back("Документ, удостоверяющий личность: код " + code + ", " + doc.SeriesNumber + ", выдан " +
                             doc.IssueDate.ToText());
}

void CarryCitizenship(const xmlNode* sv, mTPersonInformation& p, CarryOverReport& report,
                      const std::string& dataFolder) {
    const std::string code = Text(sv, "ОКСМ", "Гражданство", report);
    if (code.empty()) {
        report.notCarried.push_back("Гражданство: в файле нет кода страны");
        return;
    }
    p.Foreigner.CountryCode = code;
    if (code != "643") {
        auto name = NameIn(FolderFile(dataFolder, kCountriesFileName), code, &LoadCountries);
        p.Foreigner.CountryName = name ? *name : std::string();
    }
    report.carried.push_back("Гражданство: код страны " + code +
                             (p.Foreigner.CountryName.empty() ? "" : " (" + p.Foreigner.CountryName + ")"));
}

void CarryPerson(const xmlNode* np, mTPersonInformation& p, CarryOverReport& report, const std::string& dataFolder) {
    const xmlNode* fio = Child(np, "ФИОФЛ");
    p.Name.Surname = Text(fio, "Фамилия", "Фамилия", report);
    p.Name.FirstName = Text(fio, "Имя", "Имя", report);
    p.Name.Patronymic = Text(fio, "Отчество", "Отчество", report);
    std::string name = p.Name.Surname + " " + p.Name.FirstName;
    if (!p.Name.Patronymic.empty())
        name += " " + p.Name.Patronymic;
    report.carried.push_back("Фамилия, имя, отчество: " + name);

    const xmlNode* sv = Child(np, "СведФЛ1");
    if (sv) {
        p.Name.Inn = Text(sv, "ИННФЛ", "ИНН", report);
        report.carried.push_back("ИНН: " + p.Name.Inn);
    } else {
        sv = Child(np, "СведФЛ2");
        report.notCarried.push_back("ИНН: в файле его нет");
    }
    p.Document.BirthPlace = Text(sv, "МестоРожд", "Место рождения", report);
    if (auto birth = CarriedDate(sv, "ДатаРожд", "Дата рождения", report)) {
        p.Document.BirthDate = *birth;
        report.carried.push_back("Дата и место рождения: " + p.Document.BirthDate.ToText() +
                                 (p.Document.BirthPlace.empty() ? "" : ", " + p.Document.BirthPlace));
    } else {
        report.notCarried.push_back("Дата рождения: в файле ее нет");
    }
    CarryCitizenship(sv, p, report, dataFolder);
    CarryIdentityDocument(Child(sv, "УдЛичн"), p.Document, report);

    if (GetAttribute(np, "Тлф")) {
        p.HomePhone.Number = Text(np, "Тлф", "Телефон", report);
        report.carried.push_back("Телефон: " + p.HomePhone.Number);
    }
    if (GetAttribute(np, "АдрИно"))
        report.notCarried.push_back(
            "Адрес за пределами Российской Федерации (АдрИно): проверьте его на экране "
            "сведений о декларанте");
    report.notCarried.push_back("Статус налогового резидента и код ОКТМО: укажите их на экране исходных данных");
}

void CarrySigner(const xmlNode* signer, mTDeclaration& d, CarryOverReport& report) {
    if (Attr(signer, "ПрПодп") != "2") {
        d.SignerKind = SignerKind::InPerson;
        report.carried.push_back("Подписант: налогоплательщик");
        return;
    }
    d.SignerKind = SignerKind::Representative;
    d.RepresentativeName = JoinName(Child(signer, "ФИО"), "Представитель", report);
    d.RepresentativeDocument = Text(Child(signer, "СвПред"), "НаимДок", "Документ представителя", report);
    report.carried.push_back("Подписант: представитель " + d.RepresentativeName +
                             ", документ: " + d.RepresentativeDocument);
}

}  // namespace

void CarryTitlePage(const xmlNode* document, mTDeclaration& d, CarryOverReport& report, const std::string& dataFolder) {
    d.InspectionCode = Text(document, "КодНО", "Код налогового органа", report);
    if (auto name = NameIn(FolderFile(dataFolder, kInspectionsFileName), d.InspectionCode, &LoadInspections))
        d.InspectionName = *name;
    report.carried.push_back("Код налогового органа: " + d.InspectionCode);

    const xmlNode* np = Child(Child(document, "СвНП"), "НПФЛ3");
    const std::string category = Attr(np, "ДокПредст");
    for (const auto& [code, value] : kCategories)
        if (code == category)
            d.TaxpayerCategory = value;
    report.carried.push_back("Категория налогоплательщика: " + category);

    CarryPerson(np, d.Person, report, dataFolder);
    CarrySigner(Child(document, "Подписант"), d, report);
}

}  // namespace zizaza::carry
