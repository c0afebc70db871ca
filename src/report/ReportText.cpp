#include "report/ReportText.h"

#include "calc/kTSvodSum.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"

namespace zizaza {

std::string MoneyText(Money value, std::string_view thousands) {
    std::string digits = value.ToText('.');
    std::string sign;
    if (!digits.empty() && digits[0] == '-') {
        sign = "−";
        digits.erase(0, 1);
    }
    const size_t dot = digits.find('.');
    std::string whole = digits.substr(0, dot);
    std::string fraction = dot == std::string::npos ? std::string() : digits.substr(dot + 1);
    while (fraction.size() < 2)
        fraction += '0';
    std::string grouped;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped += thousands;
        grouped += whole[i];
    }
    return sign + grouped + "," + fraction;
}

std::string ForTaxYear() {
    return "за " + std::to_string(kTaxYear) + " год";
}

std::string LimitText(Money limit) {
    std::string text = MoneyText(limit);
    text.resize(text.size() - 3);  // without ",00"
    return text + " руб.";
}

std::string PercentText(int percent) {
    return std::to_string(percent) + "%";
}

const std::vector<Section2Figure>& Section2Figures() {
    using L = kTSvodSumList;
    static const std::vector<Section2Figure> figures = {
        {&L::ДоходОбщ, "ДоходОбщ", "Общая сумма доходов", "ст. 208, 209, 210 п. 1 НК РФ"},
        {&L::ДоходОбщНеНал, "ДоходОбщНеНал", "Доходы, не подлежащие налогообложению", "ст. 217 НК РФ"},
        {&L::ДоходОбщНал, "ДоходОбщНал", "Доходы, подлежащие налогообложению", "ст. 210 НК РФ"},
        {&L::СумНалВыч, "СумНалВыч", "Налоговые вычеты", "ст. 210 п. 3, ст. 218–221 НК РФ"},
        {&L::СумРасхУм, "СумРасхУм", "Расходы и убытки, уменьшающие доходы",
         "ст. 214.1, 214.3, 214.4, 214.5, 220.1 НК РФ"},
        {&L::СумДохДивКИК, "СумДохДивКИК", "Прибыль контролируемых иностранных компаний", "ст. 25.15, 227, 228 НК РФ"},
        {&L::НалБаза, "НалБаза", "Налоговая база", "ст. 210 п. 3, 4 НК РФ"},
        {&L::Исчисл, "Исчисл", "Сумма налога исчисленная", "ст. 224, 225 п. 6 НК РФ"},
        {&L::УдержОбщ, "УдержОбщ", "Налог, удержанный налоговыми агентами", "ст. 226 НК РФ"},
        {&L::УдержОбщМВ, "УдержОбщМВ", "Налог, удержанный с материальной выгоды (код 2620)", "ст. 212, 226 НК РФ"},
        {&L::УплАвФакт, "УплАвФакт", "Авансовые платежи, уплаченные предпринимателем", "ст. 227 п. 8, 9 НК РФ"},
        {&L::ОбщАвУплЗач227_1, "ОбщАвУплЗач227.1", "Фиксированные авансовые платежи иностранного гражданина",
         "ст. 227.1 п. 6 НК РФ"},
        {&L::УплИнПодлЗач, "УплИнПодлЗач", "Налог, уплаченный за рубежом, к зачету", "ст. 232 НК РФ"},
        {&L::ТСУплПерЗач, "ТСУплПерЗач", "Торговый сбор к зачету", "ст. 225 п. 5 НК РФ"},
        {&L::ИсчислУпл, "ИсчислУпл", "Налог к уплате до зачета патента", "ст. 225 п. 4 НК РФ"},
        {&L::УплПатентЗач, "УплПатентЗач", "Налог по патентной системе к зачету", "ст. 346.45 п. 7 НК РФ"},
        {&L::ПодлУпл, "ПодлУпл", "Налог к уплате (доплате) в бюджет", "ст. 228 п. 4 НК РФ"},
        {&L::ПодлВозв, "ПодлВозв", "Налог к возврату из бюджета", "ст. 78, 218–220 НК РФ"},
    };
    return figures;
}

const std::vector<Section2Block>& Section2Blocks() {
    static const std::vector<Section2Block> blocks = {
        {"13", "Доходы по ставке " + PercentText(kRatePercent13), "ст. 224 п. 1 НК РФ",
         [](const kTSvodSum& s) -> const kTSvodSumList& { return s.List1(); }},
        {"KIK", "Прибыль контролируемых иностранных компаний, " + PercentText(kRatePercent13),
         "ст. 224 п. 1, ст. 227 п. 1.1 НК РФ", [](const kTSvodSum& s) -> const kTSvodSumList& { return s.ListKIK(); }},
        {"Div", "Дивиденды, " + PercentText(kRatePercent13), "ст. 224 п. 1, ст. 214 НК РФ",
         [](const kTSvodSum& s) -> const kTSvodSumList& { return s.ListDiv(); }},
        {"30", "Доходы нерезидента по ставке " + PercentText(kRatePercent30), "ст. 224 п. 3 НК РФ",
         [](const kTSvodSum& s) -> const kTSvodSumList& { return s.List2(); }},
        {"35", "Доходы по ставке " + PercentText(kRatePercent35), "ст. 224 п. 2 НК РФ",
         [](const kTSvodSum& s) -> const kTSvodSumList& { return s.List3(); }},
        {"9", "Доходы по ставке " + PercentText(kRatePercent9), "ст. 224 п. 5 НК РФ",
         [](const kTSvodSum& s) -> const kTSvodSumList& { return s.List4(); }},
        {"15", "Дивиденды нерезидента по ставке " + PercentText(kRatePercent15), "ст. 224 п. 3 НК РФ",
         [](const kTSvodSum& s) -> const kTSvodSumList& { return s.List5(); }},
    };
    return blocks;
}

bool BlockHasFigures(const kTSvodSumList& block) {
    for (const Section2Figure& f : Section2Figures())
        if (!(block.*f.value).IsZero())
            return true;
    return false;
}

const char* KbkMeaning(const std::string& kbk) {
    if (kbk == kKbkAgentRefund)
        return "НДФЛ с доходов, источником которых является налоговый агент (ст. 226, 227.1 НК РФ)";
    if (kbk == kKbkBusiness)
        return "НДФЛ с доходов предпринимателей, нотариусов, адвокатов и других лиц, занимающихся частной "
               "практикой (ст. 227 НК РФ)";
    if (kbk == kKbkOther)
        return "НДФЛ с доходов, полученных физическими лицами в соответствии со ст. 228 НК РФ";
    if (kbk == kKbkCfc)
        return "НДФЛ с прибыли контролируемых иностранных компаний (ст. 227 п. 1.1, ст. 228 НК РФ)";
    return "";
}

const char* FormTitle(const mTDeclaration& doc) {
    switch (doc.DeclarationForm) {
        case kForm3NdflNonResident:
            return "3-НДФЛ (нерезидент)";
        case kForm4Ndfl:
            return "4-НДФЛ";
        default:
            return "3-НДФЛ";
    }
}

std::string PersonName(const mTDeclaration& doc) {
    std::string name;
    for (const std::string* part : {&doc.Person.Name.Surname, &doc.Person.Name.FirstName, &doc.Person.Name.Patronymic})
        if (!part->empty())
            name += (name.empty() ? "" : " ") + *part;
    return name;
}

Outcome OutcomeOf(const kTSvodSum& sum) {
    Outcome o;
    for (const bmTList1& line : sum.List6().Lines) {
        if (line.ПрУплВозв == kSignPay)
            o.toPay += line.Amount;
        else if (line.ПрУплВозв == kSignRefund)
            o.toRefund += line.Amount;
    }
    return o;
}

namespace {

// "03.05.2018 (ст. 229 п. 1 НК РФ; 30.04.2018 — нерабочий день, срок перенесен по ст. 6.1 п. 7 НК РФ)."
std::string deadline(const DeadlineFact& d) {
    return std::string(d.Due) + " (" + d.Article + "; " + d.InLaw + " — " + d.Why +
           ", срок перенесен по ст. 6.1 п. 7 НК РФ).";
}

}  // namespace

std::vector<std::string> DueDates(const mTDeclaration& doc, const kTSvodSum& sum) {
    if (doc.DeclarationForm == kForm4Ndfl)
        return {};
    const Outcome o = OutcomeOf(sum);
    // Entrepreneurs, farm heads, notaries, lawyers and arbitration managers file in any case.
    const bool mustFile = o.toPay > Money() || IsPrivatePractice(doc.TaxpayerCategory);
    std::vector<std::string> dates;
    if (mustFile)
        dates.push_back("Декларацию представить не позднее " + deadline(kFilingDeadline));
    else if (o.toRefund > Money())
        dates.push_back(
            "Декларацию только на возврат налога можно представить в любое время в течение трех лет "
            "(ст. 229 п. 1, ст. 78 п. 7 НК РФ).");
    if (o.toPay > Money())
        dates.push_back("Налог уплатить не позднее " + deadline(kPaymentDeadline));
    return dates;
}

}  // namespace zizaza
