#include "report/TaxReport.h"

#include "calc/kTSvodSum.h"
#include "calc/kTSvodSumPrilA13.h"
#include "calc/kTSvodSumPrilA15.h"
#include "calc/kTSvodSumPrilA30.h"
#include "calc/kTSvodSumPrilA35.h"
#include "calc/kTSvodSumPrilA9.h"
#include "calc/kTSvodSumPrilB.h"
#include "calc/kTSvodSumPrilE1.h"
#include "calc/kTSvodSumPrilE2.h"
#include "calc/kTSvodSumPrilE3.h"
#include "calc/kTSvodSumPrilG.h"
#include "calc/kTSvodSumPrilG_In.h"
#include "calc/kTSvodSumPrilH1.h"
#include "calc/kTSvodSumPrilI.h"
#include "calc/kTSvodSumPrilJ.h"
#include "calc/kTSvodSumPrilM.h"
#include "calc/kTSvodSumPrilV1.h"
#include "calc/kTSvodSumPrilZ.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"
#include "report/Attachments.h"
#include "report/HtmlText.h"
#include "report/ReportText.h"
#include "report/TaxReportSheets.h"
#include "report/TradeRegister.h"

#include <string_view>
#include <vector>

namespace zizaza {
namespace {

constexpr const char* kStyle =
    "body { font-family: sans-serif; font-size: 10pt; }"
    "h1 { font-size: 15pt; } h2 { font-size: 13pt; margin-top: 14pt; } h3 { font-size: 11pt; }"
    "table { border-collapse: collapse; margin-bottom: 6pt; } th { background-color: #e8e8e8; }"
    "p.outcome { font-size: 13pt; font-weight: bold; } p.note { color: #444444; }";

// One addend of a figure: where it comes from and its value in that sheet.
struct Part {
    std::string label;
    Money value;
};

// "a (label) + b (label)" over the addends that are not 0.
std::string sumOf(std::initializer_list<Part> parts) {
    std::string text;
    for (const Part& p : parts) {
        if (p.value.IsZero())
            continue;
        if (!text.empty())
            text += " + ";
        text += HtmlText::Figure(p.value) + " (" + p.label + ")";
    }
    return text;
}

std::string figureName(const kTSvodSumList& b, Money kTSvodSumList::*member) {
    for (const Section2Figure& f : Section2Figures())
        if (f.value == member)
            return std::string(f.label) + " " + HtmlText::Figure(b.*member);
    return {};
}

// How the closing figures of every block arise from the others.
std::string commonExplanation(const kTSvodSumList& b, std::string_view name, int rate) {
    if (name == "ДоходОбщНал")
        return HtmlText::Figure(b.ДоходОбщ) + " − " + HtmlText::Figure(b.ДоходОбщНеНал);
    if (name == "НалБаза")
        return HtmlText::Figure(b.ДоходОбщНал) + " − " + HtmlText::Figure(b.СумРасхУм) + " (расходы) − " +
               HtmlText::Figure(b.СумНалВыч) + " (вычеты)" +
               (b.СумДохДивКИК.IsZero() ? "" : " + " + HtmlText::Figure(b.СумДохДивКИК) + " (прибыль КИК)") +
               "; не меньше 0";
    if (name == "Исчисл")
        return HtmlText::Figure(b.НалБаза) + " × " + std::to_string(rate) + "%, округлено до полного рубля";
    if (name == "ИсчислУпл")
        return figureName(b, &kTSvodSumList::Исчисл) + " минус зачитываемые суммы " + HtmlText::Figure(b.Credits());
    if (name == "ПодлУпл")
        return b.УплПатентЗач.IsZero()
                   ? "патента к зачету нет"
                   : figureName(b, &kTSvodSumList::ИсчислУпл) + " минус патент " + HtmlText::Figure(b.УплПатентЗач);
    if (name == "ПодлВозв")
        return "зачитываемые суммы " + HtmlText::Figure(b.Credits()) + " минус " +
               figureName(b, &kTSvodSumList::Исчисл) + "; не больше налога, удержанного агентами, и уплаченных авансов";
    return {};
}

int rateOf(const kTSvodSumList& b) {
    return b.Ставка.empty() ? 0 : std::stoi(b.Ставка);
}

// What an explanation of a figure gathered from the sheets reads.
struct SheetInput {
    const kTSvodSum& s;
    bool resident;
};

std::string creditOfSheetB(Money credit) {
    return "зачет по листу Б " + HtmlText::Figure(credit) + ", округлено до полного рубля";
}

std::string deductions13(const SheetInput& in) {
    const kTSvodSum& s = in.s;
    if (!in.resident)
        return sumOf({{"продажа имущества, ст. 220 п. 2", s.PrilH1().ВычетОбщ},
                      {"профессиональные вычеты, ст. 221", s.PrilG().РасходОбщИт}}) +
               "; не больше облагаемого дохода";
    const kTSvodSumPrilZ& z = s.PrilZ();
    return sumOf({{"стандартные, ст. 218", s.PrilE1().ОбщВычСтанд},
                  {"социальные, ст. 219", s.PrilE2().ОбщВычСоциал},
                  {"социальные у работодателя, ст. 219 п. 2", s.PrilE2().ОбщСНВОтчПерНА},
                  {"инвестиционный, ст. 219.1", s.PrilE3().СумИнвВыч219},
                  {"продажа имущества, ст. 220 п. 2", s.PrilH1().ВычетОбщ},
                  {"покупка жилья, ст. 220 п. 3", z.РасхНовВычНД},
                  {"проценты по займу, ст. 220 п. 4", z.ПроцВычНД},
                  {"покупка жилья у работодателя", z.ВычНАУвед},
                  {"проценты у работодателя", z.ПроцНАУвед},
                  {"расходы предпринимателя, ст. 221", s.PrilV1().BusinessExpenses},
                  {"профессиональные вычеты, ст. 221", s.PrilG().РасходОбщИт + s.PrilG_In().РасходОбщИт}}) +
           "; не больше облагаемого дохода за минусом расходов";
}

std::string incomeReduction(const SheetInput& in) {
    return sumOf({{"ценные бумаги и ПФИ", in.s.PrilJ().IncomeReduction()},
                  {"ценные бумаги на ИИС", in.s.PrilJIis().IncomeReduction()},
                  {"инвестиционные товарищества", in.s.PrilI().IncomeReduction()}});
}

std::string bySources(const SheetInput&) {
    return "сумма по источникам выплаты";
}

// Where the figures of a block that are gathered from the sheets come from, by block and figure.
struct SheetExplanation {
    std::string_view block;
    std::string_view name;
    std::string (*explain)(const SheetInput&);
};

const SheetExplanation kSheetExplanations[] = {
    {"13", "ДоходОбщ",
     [](const SheetInput& in) {
         const kTSvodSum& s = in.s;
         return sumOf({{"источники в РФ", s.PrilA13().TotalIncome},
                       {"предпринимательская деятельность", in.resident ? s.PrilV1().BusinessIncome : Money()},
                       {"доходы за пределами РФ", in.resident ? s.PrilB13().OtherIncome : Money()},
                       {"восстановленный инвестиционный вычет, ст. 219.1 п. 4",
                        in.resident ? s.PrilE3().ИнвВычПредВосст : Money()}});
     }},
    {"13", "ДоходОбщНеНал",
     [](const SheetInput& in) {
         return sumOf({{"освобожденные доходы в пределах лимитов", in.s.PrilM().NonTaxableIncomesTotal()},
                       {"доход от ликвидации иностранной организации, код 1001, ст. 217 п. 60.2",
                        in.s.PrilB13().LiquidationIncome}});
     }},
    {"13", "СумНалВыч", deductions13},
    {"13", "СумРасхУм", incomeReduction},
    {"13", "УдержОбщ",
     [](const SheetInput& in) {
         return sumOf({{"налоговые агенты, лист А", in.s.PrilA13().TaxWithheld}});
     }},
    {"13", "ТСУплПерЗач",
     [](const SheetInput& in) {
         return "уплачен торговый сбор " + HtmlText::Figure(in.s.PrilV1().TradeFee) +
                "; к зачету не больше налога с доходов от предпринимательской деятельности";
     }},
    {"13", "ОбщАвУплЗач227.1",
     [](const SheetInput&) { return "фиксированные авансовые платежи по патенту " + ForTaxYear(); }},
    {"13", "УплАвФакт",
     [](const SheetInput& in) {
         return sumOf({{"лист В", in.s.PrilV1().ActualPrepayments}});
     }},
    {"13", "УплИнПодлЗач", [](const SheetInput& in) { return creditOfSheetB(in.s.PrilB13().OtherCredit); }},
    {"KIK", "СумДохДивКИК",
     [](const SheetInput& in) {
         return sumOf({{"прибыль КИК, код 1000", in.s.PrilB13().CfcIncome}});
     }},
    {"KIK", "УплИнПодлЗач", [](const SheetInput& in) { return creditOfSheetB(in.s.PrilB13().CfcCredit); }},
    {"Div", "ДоходОбщ",
     [](const SheetInput& in) {
         return sumOf({{"дивиденды российских организаций", in.s.PrilA13().DividendTaxableAmount},
                       {"дивиденды иностранных организаций, коды 1010 и 1012", in.s.PrilB13().DividendIncome}});
     }},
    {"Div", "ДоходОбщНеНал",
     [](const SheetInput& in) {
         return sumOf({{"дивиденды из прибыли КИК, код 1012, ст. 217 п. 66", in.s.PrilB13().CfcDividendIncome}});
     }},
    {"Div", "УдержОбщ",
     [](const SheetInput& in) {
         return sumOf({{"налоговые агенты", in.s.PrilA13().DividendTaxWithheld}});
     }},
    {"Div", "УплИнПодлЗач", [](const SheetInput& in) { return creditOfSheetB(in.s.PrilB13().DividendCredit); }},
    {"30", "ДоходОбщ",
     [](const SheetInput& in) {
         return sumOf({{"источники в РФ", in.s.PrilA30().TotalIncome}});
     }},
    {"30", "ДоходОбщНеНал",
     [](const SheetInput& in) {
         return sumOf({{"освобожденные доходы", in.s.PrilM().NonTaxableIncomesTotal()},
                       {"освобожденные призы", in.s.PrilM().NonTaxablePrizesTotal()}});
     }},
    {"30", "СумРасхУм", incomeReduction},
    {"30", "УдержОбщ", bySources},
    {"35", "ДоходОбщ",
     [](const SheetInput& in) {
         return sumOf(
             {{"источники в РФ", in.s.PrilA35().TotalIncome}, {"доходы за пределами РФ", in.s.PrilB35().OtherIncome}});
     }},
    {"35", "ДоходОбщНеНал",
     [](const SheetInput& in) {
         return sumOf({{"призы в пределах " + LimitText(kExemptLimit217p28) + ", ст. 217 п. 28",
                        in.s.PrilM().NonTaxablePrizesTotal()}});
     }},
    {"35", "УплИнПодлЗач", [](const SheetInput& in) { return creditOfSheetB(in.s.PrilB35().OtherCredit); }},
    {"35", "УдержОбщ", bySources},
    {"9", "ДоходОбщ",
     [](const SheetInput& in) {
         return sumOf(
             {{"источники в РФ", in.s.PrilA9().TotalIncome}, {"доходы за пределами РФ", in.s.PrilB9().OtherIncome}});
     }},
    {"9", "УплИнПодлЗач", [](const SheetInput& in) { return creditOfSheetB(in.s.PrilB9().OtherCredit); }},
    {"9", "УдержОбщ", bySources},
    {"15", "ДоходОбщ",
     [](const SheetInput& in) {
         return sumOf({{"облагаемые дивиденды", in.s.PrilA15().TaxableAmount}});
     }},
    {"15", "УдержОбщ", bySources},
};

std::string sheetExplanation(const mTDeclaration& doc, const kTSvodSum& s, std::string_view key,
                             std::string_view name) {
    for (const SheetExplanation& e : kSheetExplanations)
        if (e.block == key && e.name == name)
            return e.explain({s, doc.DeclarationForm == kForm3Ndfl});
    return {};
}

void writeHeader(HtmlText& out, const mTDeclaration& doc) {
    out.Raw("<html><head><meta charset=\"utf-8\"><title>Расчет налога</title><style>");
    out.Raw(kStyle);
    out.Raw("</style></head><body>\n");
    out.Heading(1, "Расчет налога на доходы физических лиц " + ForTaxYear());
    std::string who = "Форма " + std::string(FormTitle(doc)) + ". Налогоплательщик: " + PersonName(doc);
    if (!doc.Person.Name.Inn.empty())
        who += ", ИНН " + doc.Person.Name.Inn;
    out.Paragraph(who + ".");
    if (!doc.InspectionCode.empty())
        out.Paragraph("Налоговый орган: " + doc.InspectionCode +
                      (doc.InspectionName.empty() ? "" : " — " + doc.InspectionName) + ".");
}

void writeOutcome(HtmlText& out, const mTDeclaration& doc, const kTSvodSum& sum) {
    out.Heading(2, "Итог");
    if (doc.DeclarationForm == kForm4Ndfl) {
        out.Paragraph("Декларация 4-НДФЛ сообщает предполагаемый доход " + HtmlText::Figure(doc.EstimatedIncome) +
                          " руб.; налог по ней не исчисляется (ст. 227 п. 7 НК РФ).",
                      "outcome");
        return;
    }
    const Outcome o = OutcomeOf(sum);
    if (o.toPay > Money())
        out.Paragraph("К уплате в бюджет: " + HtmlText::Figure(o.toPay) + " руб.", "outcome");
    if (o.toRefund > Money())
        out.Paragraph("К возврату из бюджета: " + HtmlText::Figure(o.toRefund) + " руб.", "outcome");
    if (o.toPay.IsZero() && o.toRefund.IsZero())
        out.Paragraph("Налога ни к уплате, ни к возврату нет.", "outcome");
    out.Paragraph("Раздел 1 декларации: суммы по кодам бюджетной классификации и ОКТМО.");
    out.TableStart({"КБК", "Назначение платежа", "ОКТМО", "", "Сумма, руб."});
    const auto& lines = sum.List6().Lines;
    for (size_t i = 0; i < lines.size(); ++i) {
        const bmTList1& l = lines[i];
        const char* what = l.ПрУплВозв == kSignPay ? "к уплате" : l.ПрУплВозв == kSignRefund ? "к возврату" : "нет";
        out.Raw("<tr><td>" + l.КБК + "</td><td>" + HtmlText::Escape(KbkMeaning(l.КБК)) + "</td><td>" +
                HtmlText::Escape(l.ОКТМО) + "</td><td>" + what + "</td><td align=\"right\" data-f=\"s1." +
                std::to_string(i) + "\">" + HtmlText::Figure(l.Amount) + "</td></tr>\n");
    }
    out.TableEnd();
    for (const std::string& date : DueDates(doc, sum))
        out.Paragraph(date);
}

void writeBlock(HtmlText& out, const mTDeclaration& doc, const kTSvodSum& sum, const Section2Block& block) {
    const kTSvodSumList& b = block.get(sum);
    out.Heading(3, std::string(block.title) + " (" + block.article + ")", std::string("b") + block.key);
    out.TableStart({"Показатель", "Сумма, руб.", "Как получена", "НК РФ"});
    for (const Section2Figure& f : Section2Figures()) {
        const Money value = b.*f.value;
        if (value.IsZero())
            continue;
        std::string how = sheetExplanation(doc, sum, block.key, f.name);
        if (how.empty())
            how = commonExplanation(b, f.name, rateOf(b));
        out.Raw("<tr><td>" + HtmlText::Escape(f.label) + "</td><td align=\"right\" data-f=\"" + block.key + "." +
                f.name + "\">" + HtmlText::Figure(value) + "</td><td>" + HtmlText::Escape(how) + "</td><td>" +
                f.article + "</td></tr>\n");
    }
    out.TableEnd();
}

}  // namespace

std::string TaxReportHtml(const mTDeclaration& doc, const kTSvodSum& sum, const TaxReportOptions& options) {
    HtmlText out;
    writeHeader(out, doc);
    writeOutcome(out, doc, sum);
    if (doc.DeclarationForm != kForm4Ndfl) {
        out.Heading(2, "Раздел 2. Налоговая база и сумма налога по ставкам");
        bool any = false;
        for (const Section2Block& block : Section2Blocks()) {
            if (!BlockHasFigures(block.get(sum)))
                continue;
            writeBlock(out, doc, sum, block);
            any = true;
        }
        if (!any)
            out.Paragraph("Доходов в декларации нет: все показатели раздела 2 равны 0.");
        HtmlText appendix;
        report::WriteRussianSources(out, doc);
        report::WriteExemptIncomes(out, sum);
        report::WriteDeductions(out, doc, sum);
        report::WriteSecurities(out, sum);
        report::WriteForeignIncomes(out, appendix, sum, options);
        report::WriteTradeRegister(appendix, doc, sum);
        report::WriteAttachments(out, doc);
        out.Raw(appendix.Html());
    }
    out.Raw("</body></html>\n");
    return out.Take();
}

}  // namespace zizaza
