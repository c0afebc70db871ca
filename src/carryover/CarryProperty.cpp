#include "carryover/CarryParts.h"
#include "imports/ImportText.h"
#include "model/mTDeclaration.h"

#include <array>
#include <charconv>

namespace zizaza::carry {
namespace {

int IntOf(const xmlNode* node, const char* name, int fallback = 0) {
    const std::string text = AttributeOr(node, name);
    int value = fallback;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() ? value : fallback;
}

PropertyTaxpayerSign TaxpayerSign(const std::string& code) {
    if (code == "13")
        return PropertyTaxpayerSign::SharedWithChild;
    if (code == "23")
        return PropertyTaxpayerSign::SpouseSharedWithChild;
    int sign = 0;
    std::from_chars(code.data(), code.data() + code.size(), sign);
    return static_cast<PropertyTaxpayerSign>(sign);
}

// Format 5.10 gives the object's address in parts and no object number.
std::string AddressText(const xmlNode* address, CarryOverReport& report) {
    struct Part {
        const char* attribute;
        const char* prefix;
    };
    constexpr std::array<Part, 9> kParts = {{{"Индекс", ""},
                                             {"КодРегион", "регион "},
                                             {"Район", ""},
                                             {"Город", ""},
                                             {"НаселПункт", ""},
                                             {"Улица", ""},
                                             {"Дом", "д. "},
                                             {"Корпус", "корп. "},
                                             {"Кварт", "кв. "}}};
    std::string text;
    for (const Part& part : kParts) {
        const std::string value = CarriedText(address, part.attribute, "Адрес объекта", report);
        if (value.empty())
            continue;
        if (!text.empty())
            text += ", ";
        text += part.prefix + value;
    }
    return text;
}

void ReadShare(const xmlNode* e, mTConstructionDeductObj& o) {
    o.ShareNumerator = 1;
    o.ShareDenominator = 1;
    const std::string share = AttributeOr(e, "ДолСобств");
    auto slash = share.find('/');
    if (slash == std::string::npos)
        return;
    int numerator = 0, denominator = 0;
    std::from_chars(share.data(), share.data() + slash, numerator);
    std::from_chars(share.data() + slash + 1, share.data() + share.size(), denominator);
    if (numerator > 0 && denominator > 0) {
        o.ShareNumerator = numerator;
        o.ShareDenominator = denominator;
    }
}

void ReadNumberAndPlace(PriorYearFormat format, const xmlNode* e, mTConstructionDeductObj& o, CarryOverReport& report) {
    if (format == PriorYearFormat::V510) {
        o.NumberKind = PropertyNumberKind::NoNumber;
        o.Place = AddressText(Child(e, "АдрОбъект"), report);
        return;
    }
    const xmlNode* number = Child(e, "СведОбъект");
    o.NumberKind = static_cast<PropertyNumberKind>(IntOf(number, "КодНомерОб"));
    o.Number = CarriedText(number, "НомерОб", "Номер объекта", report);
    o.Place = CarriedText(number, "СведМНОб", "Место нахождения объекта", report);
}

std::unique_ptr<mTConstructionDeductObj> ReadObject(PriorYearFormat format, const xmlNode* e, CarryOverReport& report) {
    auto DateOf = [&](const xmlNode* node, const char* name) {
        return CarriedDate(node, name, "Дата по объекту", report);
    };
    auto o = std::make_unique<mTConstructionDeductObj>();
    o->ObjectKind = static_cast<PropertyObjectKind>(IntOf(e, "КодНаимОб"));
    o->OwnershipKind = static_cast<PropertyOwnership>(IntOf(e, "ВидСобствОб"));
    o->TaxpayerSign = TaxpayerSign(AttributeOr(e, "ПризнакНП"));
    o->Pensioner = AttributeOr(e, "ВычЗаяв220.10") == "1";
    if (auto act = DateOf(e, "ДатаАкт")) {
        o->ByInvestment = true;
        o->TransferActDate = *act;
    }
    if (auto registered = DateOf(e, "ДатаРегЖил"))
        o->OwnershipRegistrationDate = *registered;
    if (auto land = DateOf(e, "ДатаРегЗем"))
        o->LandRegistrationDate = *land;
    if (auto application = DateOf(e, "ДатаЗаявВыч"))
        o->ApplicationDate = *application;
    const Date firstYear = Date::Ymd(IntOf(e, "ГодНачИспВыч", 2003), 1, 1);
    if (ImportedDateRefusal(firstYear).empty())
        o->FirstYearOfUse = firstYear;
    else
        report.notCarried.push_back("Год начала использования вычета " + AttributeOr(e, "ГодНачИспВыч") +
                                    ": такого года декларация не вмещает, укажите его на экране");
    ReadShare(e, *o);
    o->Cost = CarriedAmount(e, "СумРасхФакт", report, "Стоимость объекта");
    o->Interest = CarriedAmount(e, "СумФактУплПроц", report, "Проценты по кредитам на объект");
    ReadNumberAndPlace(format, e, *o, report);
    return o;
}

std::string ObjectLine(size_t index, const mTConstructionDeductObj& o) {
    std::string line = "Объект " + std::to_string(index + 1) + ": код наименования " +
                       std::to_string(static_cast<int32_t>(o.ObjectKind));
    if (!o.Number.empty())
        line += ", номер " + o.Number;
    if (!o.Place.empty())
        line += ", " + o.Place;
    line += "; стоимость " + AmountText(o.Cost) + ", проценты по кредитам за все годы " + AmountText(o.Interest) +
            ", год начала использования вычета " + std::to_string(o.FirstYearOfUse.Year());
    return line;
}

// The deduction received before this year: what counted in earlier years, what the tax agents
// gave last year and what last year's declaration took.
// Each part within the money fields' range, so their sum cannot overflow; the sum is carried only
// when the field takes it.
// The three parts, each named in words.
struct EarlierParts {
    const char* earlier;
    const char* agent;
    const char* declared;
};
constexpr const char* kEarlierWords = "зачтено в прошлые годы";
constexpr const char* kAgentWords = "получено у налоговых агентов";
constexpr const char* kDeclaredWords = "заявлено в декларации прошлого года";

Money EarlierYears(const xmlNode* calc, const EarlierParts& parts, const std::string& kind, std::string& composition,
                   CarryOverReport& report) {
    const size_t refusedBefore = report.notCarried.size();
    const Money a = CarriedAmount(calc, parts.earlier, report, kind + ", " + kEarlierWords),
                b = CarriedAmount(calc, parts.agent, report, kind + ", " + kAgentWords),
                c = CarriedAmount(calc, parts.declared, report, kind + ", " + kDeclaredWords);
    // A part left behind would understate what was received: then none of it is carried.
    if (report.notCarried.size() != refusedBefore) {
        composition = AmountText(Money()) + " (не перенесен, укажите его на экране)";
        return Money();
    }
    composition = AmountText(a + b + c) + " = " + AmountText(a) + " (" + kEarlierWords + ") + " + AmountText(b) + " (" +
                  kAgentWords + ") + " + AmountText(c) + " (" + kDeclaredWords + ")";
    if (!FitsAmountField(a + b + c, std::string("Вычет по предыдущим годам ") + composition, report)) {
        composition = AmountText(Money()) + " (не перенесен)";
        return Money();
    }
    return a + b + c;
}

}  // namespace

void CarryPropertyDeduction(const PriorYearFile& file, const xmlNode* body, mTDeclaration& d, CarryOverReport& report) {
    const xmlNode* calc = Child(Child(body, "ИмущНалВычНов"), "РасчИмущВыч");
    if (!calc) {
        report.notCarried.push_back("Имущественный вычет на приобретение жилья: в файле его нет");
        return;
    }
    mTConstructionDeduct& property = d.PropertyDeductions;
    property.Granted = true;
    for (xmlNode* e : ChildElements(calc)) {
        if (ElementName(e) != "СвОбъектРасх")
            continue;
        if (property.ObjectCount() >= kMaxImportedRecords) {
            report.notCarried.push_back("Объекты сверх " + std::to_string(kMaxImportedRecords) +
                                        ": столько объектов декларация не вмещает");
            break;
        }
        size_t index = property.AddObject(ReadObject(file.format, e, report));
        report.carried.push_back(ObjectLine(index, property.Object(index)));
    }
    std::string purchase, interest;
    property.PreviousYearsPurchase =
        EarlierYears(calc, {"ВычНовЗачПред", "ВычНАУвед", "РасхНовВычНД"}, "Вычет на приобретение", purchase, report);
    property.PreviousYearsInterest =
        EarlierYears(calc, {"ВычПроцЗачПред", "ПроцНАУвед", "ПроцВычНД"}, "Вычет по процентам", interest, report);
    report.carried.push_back("Вычет по предыдущим годам на приобретение: " + purchase);
    report.carried.push_back("Вычет по предыдущим годам по процентам: " + interest);
    const Money left = AmountOf(calc, "ОстИВБезПроц"), leftInterest = AmountOf(calc, "ОстИВУплПроц");
    report.carried.push_back("Остаток вычета на " + std::to_string(file.taxYear + 1) +
                             " год по расчету прошлого года: " + AmountText(left) + ", по процентам " +
                             AmountText(leftInterest) +
                             (left == Money() && leftInterest == Money() ? " — остатка нет, переносить нечего" : ""));
    report.notCarried.push_back("Проценты по кредитам, уплаченные в " + std::to_string(file.taxYear + 1) +
                                " году: добавьте их к процентам за все годы");
    report.notCarried.push_back("Вычет у налогового агента в отчетном году (коды 311 и 312): вносится заново");
    if (file.format == PriorYearFormat::V510)
        report.notCarried.push_back(
            "Номер объекта (кадастровый, условный или инвентарный): в формате 5.10 его нет, "
            "адрес объекта перенесен в место нахождения");
}

}  // namespace zizaza::carry
