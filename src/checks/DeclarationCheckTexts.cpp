// The characters of the texts the export writes: a control character (from an imported file, a
// file of another tool or a paste) or a byte sequence that is not text cannot go into the tax
// service's XML file. The check names the field and leads to it, so that the user can mend it.
#include "checks/DeclarationCheckRun.h"
#include "model/mTDeclaration.h"
#include "storage/TextCodec.h"

#include <algorithm>
#include <string>
#include <vector>

namespace zizaza {
namespace {

// What the tax service's formats ask of a text besides its characters.
enum class Form {
    Any,
    Code4,    // four digits
    Country,  // a country code: up to three digits, padded with zeros
    Okved,    // an activity code: "62", "62.0", "62.01", "62.01.1", "62.01.12"
};

struct TextField {
    uint16_t screen;
    const char* title;
    uint16_t item;
    std::string label;
    const std::string* value;
    Form form = Form::Any;
    size_t maxChars = 0;  // 0: no limit of its own
};

bool Digits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool OkvedForm(std::string_view code) {
    if (code.size() < 2 || !Digits(code.substr(0, 2)))
        return false;
    code.remove_prefix(2);
    for (int group = 0; group < 2 && !code.empty(); ++group) {
        if (code.front() != '.')
            return false;
        code.remove_prefix(1);
        size_t n = 0;
        while (n < code.size() && n < 2 && code[n] >= '0' && code[n] <= '9')
            ++n;
        if (n == 0)
            return false;
        code.remove_prefix(n);
    }
    return code.empty();
}

// The problem of a text against its form, or nothing.
std::string FormProblem(const TextField& field) {
    const std::string_view text = TrimBlanks(*field.value);
    if (field.maxChars != 0 && CodePointCount(*field.value) > field.maxChars)
        return "В поле «" + field.label + "» больше " + std::to_string(field.maxChars) + " символов: сократите текст";
    switch (field.form) {
        case Form::Any:
            break;
        case Form::Code4:
            // Written as it is: blanks around the digits are refused too.
            if (!field.value->empty() && !(field.value->size() == 4 && Digits(*field.value)))
                return "В поле «" + field.label + "» должно быть 4 цифры";
            break;
        case Form::Country:
            if (!(text.size() <= 3 && Digits(text)))
                return "В поле «" + field.label + "» должен быть цифровой код страны (не более 3 цифр)";
            break;
        case Form::Okved:
            if (!text.empty() && !OkvedForm(*field.value))
                return "В поле «" + field.label + "» должен быть код ОКВЭД вида 62.01 (не более 8 символов)";
            break;
    }
    return {};
}

template <class List>
void addSources(std::vector<TextField>& fields, const List& list, uint16_t screen, const char* title) {
    size_t index = 0;
    for (const auto& s : list) {
        const uint16_t item = static_cast<uint16_t>(index + 1);
        const std::string n = " (источник " + std::to_string(index + 1) + ")";
        fields.push_back({screen, title, item, "Наименование источника выплаты" + n, &s.Name});
        fields.push_back({screen, title, item, "ИНН источника выплаты" + n, &s.Inn});
        fields.push_back({screen, title, item, "КПП источника выплаты" + n, &s.Kpp});
        fields.push_back({screen, title, item, "ОКТМО источника выплаты" + n, &s.Oktmo});
        ++index;
    }
}

// Every text of the declaration that the export writes, with its screen and item.
std::vector<TextField> ExportedTexts(const mTDeclaration& d) {
    constexpr const char* initial = "Задание условий";
    constexpr const char* person = "Сведения о декларанте";
    const mTPersonInformation& p = d.Person;
    std::vector<TextField> f = {
        {kScreenInitialData, initial, kItemInspection, "Код инспекции", &d.InspectionCode, Form::Code4},
        {kScreenInitialData, initial, kItemRepresentativeName, "ФИО представителя", &d.RepresentativeName},
        {kScreenInitialData, initial, kItemRepresentativeDocument, "Документ представителя", &d.RepresentativeDocument,
         Form::Any, 120},
        {kScreenInitialData, initial, kItemRepresentativeOrganization, "Наименование организации-представителя",
         &d.RepresentativeOrganization},
        {kScreenInitialData, initial, kItemOktmo, "Код ОКТМО по месту жительства", &p.Address.Oktmo},
        {kScreenPerson, person, kItemSurname, "Фамилия", &p.Name.Surname, Form::Any, 60},
        {kScreenPerson, person, kItemFirstName, "Имя", &p.Name.FirstName, Form::Any, 60},
        {kScreenPerson, person, kItemPatronymic, "Отчество", &p.Name.Patronymic, Form::Any, 60},
        {kScreenPerson, person, kItemInn, "ИНН", &p.Name.Inn},
        {kScreenPerson, person, kItemSeriesNumber, "Серия и номер документа", &p.Document.SeriesNumber, Form::Any, 25},
        {kScreenPerson, person, kItemIssuedBy, "Кем выдан документ", &p.Document.IssuedBy, Form::Any, 255},
        {kScreenPerson, person, kItemBirthPlace, "Место рождения", &p.Document.BirthPlace, Form::Any, 128},
        {kScreenPerson, person, kItemPhone, "Телефон", &p.HomePhone.Number, Form::Any, 20},
        {kScreenPerson, person, kItemAddressAbroad, "Адрес за пределами РФ", &p.Foreigner.AddressAbroad, Form::Any,
         255},
        {kScreenPerson, person, kItemCountry, "Гражданство (код страны)", &p.Foreigner.CountryCode, Form::Country},
    };
    addSources(f, d.ResidentIncomes13(), kScreenRussianIncome13, "Доходы, облагаемые ставкой 13%");
    size_t index = 0;
    for (const mTThirteenPercent& s : d.ResidentIncomes13()) {
        for (const mTSourseIncome& line : s.Lines())
            f.push_back({kScreenRussianIncome13, "Доходы, облагаемые ставкой 13%", static_cast<uint16_t>(index + 1),
                         "Кадастровый номер (источник " + std::to_string(index + 1) + ")", &line.CadastralNumber});
        ++index;
    }
    addSources(f, d.Incomes30(), kScreenRussianIncomeDividends, "Дивиденды");
    addSources(f, d.Incomes35(), kScreenRussianIncome35, "Доходы, облагаемые ставкой 35%");
    addSources(f, d.NonResidentIncomes13(), kScreenRussianIncomeNonResident13, "Доходы нерезидентов");
    addSources(f, d.Incomes9(), kScreenRussianIncome9, "Доходы, облагаемые ставкой 9%");
    addSources(f, d.InvestPartnershipIncomes(), kScreenInvestPartnership, "Инвестиционные товарищества");
    index = 0;
    for (const mTCurrencyIncome& r : d.CurrencyIncomes()) {
        const uint16_t item = static_cast<uint16_t>(index + 1);
        const std::string n = " (доход " + std::to_string(index + 1) + ")";
        constexpr const char* title = "Доходы в валюте";
        f.push_back({kScreenCurrencyIncome, title, item, "Наименование источника" + n, &r.SourceName});
        f.push_back({kScreenCurrencyIncome, title, item, "Код страны" + n, &r.CountryCode, Form::Country});
        f.push_back({kScreenCurrencyIncome, title, item, "Код валюты" + n, &r.CurrencyCode});
        f.push_back({kScreenCurrencyIncome, title, item, "Номер КИК" + n, &r.CfcNumber});
        ++index;
    }
    index = 0;
    for (const mTBusinessNew& b : d.BusinessIncomes()) {
        const uint16_t item = static_cast<uint16_t>(index + 1);
        const std::string n = " (вид деятельности " + std::to_string(index + 1) + ")";
        constexpr const char* title = "Доходы от предпринимательской деятельности";
        // The code is written for entrepreneurs only; one shorter than "01.1" has its own message.
        if (TrimBlanks(b.ActivityKind) == "1" && CharCount(TrimBlanks(b.OkvedCode)) >= 4)
            f.push_back({kScreenBusinessIncome, title, item, "Код ОКВЭД" + n, &b.OkvedCode, Form::Okved, 8});
        f.push_back({kScreenBusinessIncome, title, item, "Вид деятельности" + n, &b.ActivityKind});
        ++index;
    }
    index = 0;
    for (const mTPens& c : d.SocialDeductions.Contracts()) {
        const std::string n = " (договор " + std::to_string(index + 1) + ")";
        constexpr const char* title = "Социальные вычеты";
        f.push_back(
            {kScreenSocialDeductions, title, kItemContracts, "Наименование организации" + n, &c.OrganizationName});
        f.push_back({kScreenSocialDeductions, title, kItemContracts, "ИНН организации" + n, &c.Inn});
        f.push_back({kScreenSocialDeductions, title, kItemContracts, "КПП организации" + n, &c.Kpp});
        f.push_back({kScreenSocialDeductions, title, kItemContracts, "Номер договора" + n, &c.ContractNumber});
        ++index;
    }
    index = 0;
    for (const mTConstructionDeductObj& o : d.PropertyDeductions.Objects()) {
        const uint16_t item = static_cast<uint16_t>(index + 1);
        const std::string n = " (объект " + std::to_string(index + 1) + ")";
        constexpr const char* title = "Имущественный налоговый вычет";
        f.push_back({kScreenPropertyDeductions, title, item, "Номер объекта" + n, &o.Number});
        f.push_back({kScreenPropertyDeductions, title, item, "Место нахождения объекта" + n, &o.Place});
        ++index;
    }
    return f;
}

}  // namespace

bool HasCharacterTheExportRefuses(std::string_view text) {
    size_t pos = 0;
    char32_t cp = 0;
    while (pos < text.size()) {
        if (!NextCodePoint(text, pos, cp))
            return true;
        // What an XML file can carry; tabs and line breaks are written as they are.
        const bool allowed = cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF) ||
                             (cp >= 0xE000 && cp <= 0xFFFD) || (cp >= 0x10000 && cp <= 0x10FFFF);
        if (!allowed)
            return true;
    }
    return false;
}

void CheckExportedTexts(DeclarationCheckRun& run) {
    for (const TextField& field : ExportedTexts(run.Doc())) {
        std::string problem;
        if (HasCharacterTheExportRefuses(*field.value))
            problem = "В поле «" + field.label +
                      "» есть недопустимый символ (управляющий символ или байт, не являющийся текстом): удалите или "
                      "замените его";
        else
            problem = FormProblem(field);
        if (problem.empty())
            continue;
        run.BeginSection(field.screen, field.title);
        run.Show(problem, field.item);
        if (run.StopAtFirstRecord())
            return;
    }
}

}  // namespace zizaza
