#include "report/TaxReportSheets.h"

#include "calc/kTSvodSum.h"
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
#include "report/ForeignIncomeGroups.h"
#include "report/HtmlText.h"
#include "report/ReportText.h"
#include "report/TaxReport.h"

#include <map>

namespace zizaza::report {
namespace {

// A table of "what | amount | rule" rows, skipping the amounts that are 0; nothing at all when
// every amount is 0.
struct RuleRow {
    std::string label;
    Money value;
    std::string rule;
};

void ruleTable(HtmlText& out, const char* title, std::initializer_list<RuleRow> rows) {
    bool any = false;
    for (const RuleRow& r : rows)
        any = any || !r.value.IsZero();
    if (!any)
        return;
    out.Heading(3, title);
    out.TableStart({"Показатель", "Сумма, руб.", "Правило"});
    for (const RuleRow& r : rows)
        if (!r.value.IsZero())
            out.FigureRow(r.label, r.value, r.rule);
    out.TableEnd();
}

template <class T>
void sourceTable(HtmlText& out, const std::string& title, const OwnedList<T>& sources) {
    if (sources.Count() == 0)
        return;
    out.Heading(3, title);
    out.TableStart({"Источник выплаты", "ИНН / КПП", "ОКТМО", "Доход, руб.", "Налог удержан, руб."});
    for (size_t i = 0; i < sources.Count(); ++i) {
        const T& s = sources.At(i);
        const std::string inn = s.Inn + (s.Kpp.empty() ? "" : " / " + s.Kpp);
        out.Row({s.Name, inn, s.Oktmo, HtmlText::Figure(s.Income()), HtmlText::Figure(s.TaxWithheld)});
    }
    out.TableEnd();
}

// The lines of the 13% sources summed by income code, so that the reader sees what the income is.
void incomeCodeTable(HtmlText& out, const OwnedList<mTThirteenPercent>& sources) {
    std::map<int32_t, std::pair<std::string, Money>> byCode;
    for (size_t i = 0; i < sources.Count(); ++i) {
        for (size_t n = 0; n < sources.At(i).LineCount(); ++n) {
            const mTSourseIncome& line = sources.At(i).Line(n);
            auto& entry = byCode[line.IncomeCode];
            if (entry.first.empty())
                entry.first = line.IncomeName;
            entry.second += line.IncomeAmount;
        }
    }
    if (byCode.empty())
        return;
    out.TableStart({"Код дохода", "Наименование", "Сумма, руб."});
    for (const auto& [code, entry] : byCode)
        out.Row({std::to_string(code), entry.first, HtmlText::Figure(entry.second)});
    out.TableEnd();
}

void saleDeductions(HtmlText& out, const kTSvodSumPrilH1& h) {
    struct Pair {
        const char* label;
        const kTSaleDeductionPair* pair;
        std::string rule;
    };
    const Pair pairs[] = {
        {"жилье (код 1510, вычет 901)", &h.СумИмущ,
         "до " + LimitText(kHousingSaleLimit) + " на все жилье, ст. 220 п. 2 пп. 1"},
        {"доли в жилье (1511, 904)", &h.СумДолИмущ,
         "в общем лимите " + LimitText(kHousingSaleLimit) + ", ст. 220 п. 2 пп. 1"},
        {"жилье и доли, расходы (903)", &h.СумИмущДок,
         "фактические расходы, по каждому объекту не больше его дохода, ст. 220 п. 2 пп. 2"},
        {"иная недвижимость (1512, 902)", &h.СумИнНедИмущ,
         "до " + LimitText(kOtherRealEstateSaleLimit) + ", ст. 220 п. 2 пп. 1"},
        {"иная недвижимость, расходы (903)", &h.СумИнНедИмущДок, "фактические расходы, ст. 220 п. 2 пп. 2"},
        {"иное имущество (1520, 906)", &h.СумИнИмущ,
         "до " + LimitText(kOtherPropertySaleLimit) +
             " вместе с долями в уставном капитале (905, 907), ст. 220 п. 2 пп. 1"},
        {"иное имущество, расходы (903)", &h.СумИнИмущДок, "фактические расходы, ст. 220 п. 2 пп. 2"},
        {"изъятие имущества для нужд государства (4900, 908)", &h.СумИзтИмущ, "ст. 220 п. 2 пп. 3"},
        {"имущество при ликвидации иностранной организации (4910, 910)", &h.СумЛиквИО, "ст. 220 п. 2 пп. 2.1"},
        {"имущество от КИК (4920, 912)", &h.СумИмущКИК, "ст. 220 п. 2 пп. 2.2"},
    };
    if (h.ВычетОбщ.IsZero())
        return;
    out.Heading(3, "Вычет при продаже имущества (ст. 220 п. 1 пп. 1 НК РФ)");
    out.TableStart({"Имущество", "Доход, руб.", "Вычет, руб.", "Правило"});
    for (const Pair& p : pairs)
        if (!p.pair->ДохВсехИст.IsZero() || !p.pair->НалВычет.IsZero())
            out.Row({p.label, HtmlText::Figure(p.pair->ДохВсехИст), HtmlText::Figure(p.pair->НалВычет), p.rule});
    out.Row({"Итого вычет", "", HtmlText::Figure(h.ВычетОбщ), ""});
    out.TableEnd();
}

// Children that month as the declaration gives them: one count for the year or one a month.
int32_t childrenIn(bool constant, int32_t count, const mTStandartDeduct::MonthlyCounts& monthly, size_t m) {
    return constant ? count : monthly[m];
}

// "на себя 500 руб. в месяц (код 104)".
std::string personal(const MonthlyDeductionFact& fact) {
    return "на себя " + LimitText(fact.Monthly) + " в месяц (код " + std::to_string(fact.Code) + ")";
}

void standardDeductions(HtmlText& out, const mTStandartDeduct& input, const kTSvodSumPrilE1& e) {
    ruleTable(
        out, "Стандартные вычеты (ст. 218 НК РФ)",
        {{personal(kPersonalDeduction105), e.ВычСт218_1_1, kPersonalDeduction105.Article},
         {personal(kPersonalDeduction104), e.ВычСт218_1_2, kPersonalDeduction104.Article},
         {"на детей", e.ВычСтРеб,
          std::string(kChildDeductionArticle) + ": " + LimitText(kChildDeductionFirstChildren) +
              " в месяц на первого и второго ребенка, " + LimitText(kChildDeductionThirdChildren) +
              " на третьего и каждого следующего"},
         {"на детей единственному родителю", e.ВычСтРебЕд, std::string(kChildDeductionArticle) + ": в двойном размере"},
         {"на детей-инвалидов", e.ВычСтРебИнв,
          std::string(kChildDeductionArticle) + ": " + LimitText(kChildDeductionDisabledParent) +
              " в месяц родителю, " + LimitText(kChildDeductionDisabledGuardian) + " опекуну"},
         {"на детей-инвалидов единственному родителю", e.ВычСтРебИнвЕд, kChildDeductionArticle},
         {"всего стандартных вычетов", e.ОбщВычСтанд, "ст. 218"}});
    const bool children = !(e.ВычСтРеб + e.ВычСтРебЕд + e.ВычСтРебИнв + e.ВычСтРебИнвЕд).IsZero();
    if (!children)
        return;
    out.Paragraph(
        "Вычеты на детей предоставляются за каждый месяц от первого до последнего месяца с доходом, "
        "пока доход с начала года не превысил " +
        LimitText(kChildDeductionIncomeLimit) + " (" + kChildDeductionArticle + "): таких месяцев — " +
        std::to_string(e.DeductionMonthsWithin350000) + ".");
    out.TableStart({"Месяц", "Доход за месяц, руб.", "Доход с начала года, руб.",
                    "До " + LimitText(kChildDeductionIncomeLimit), "Детей", "из них третьих и следующих",
                    "Детей-инвалидов"});
    for (size_t m = 0; m < 12; ++m)
        out.Row({std::to_string(m + 1), HtmlText::Figure(e.MonthlyIncomes[m]), HtmlText::Figure(e.CumulativeIncomes[m]),
                 e.CumulativeIncomes[m] <= kChildDeductionIncomeLimit ? "да" : "нет",
                 std::to_string(childrenIn(input.ChildrenConstant, input.ChildrenCount, input.MonthlyChildren, m)),
                 std::to_string(childrenIn(input.ThirdConstant, input.ThirdCount, input.MonthlyThird, m)),
                 std::to_string(childrenIn(input.DisabledConstant, input.DisabledCount, input.MonthlyDisabled, m))});
    out.TableEnd();
}

void socialDeductions(HtmlText& out, const kTSvodSumPrilE2& e, const kTSvodSumPrilE3& e3) {
    ruleTable(out, "Социальные вычеты (ст. 219 НК РФ)",
              {{"благотворительность", e.СумБлагЦел,
                "не более " + PercentText(kCharityIncomeSharePercent) + " дохода, ст. 219 п. 1 пп. 1"},
               {"обучение детей", e.СумОбучБезЛим,
                "до " + LimitText(kChildEducationLimit) + " на ребенка, ст. 219 п. 1 пп. 2"},
               {"дорогостоящее лечение", e.СумЛеченБезЛим, "без ограничения, ст. 219 п. 1 пп. 3"},
               {"собственное обучение", e.СумОбуч,
                "в общем лимите " + LimitText(kSocialCommonLimit) + ", ст. 219 п. 1 пп. 2, п. 2"},
               {"лечение и лекарства", e.СумЛечен, "в общем лимите, ст. 219 п. 1 пп. 3, п. 2"},
               {"добровольное страхование жизни", e.СумЛичСтрах, "в общем лимите, ст. 219 п. 1 пп. 4, п. 2"},
               {"пенсионные взносы и страхование", e.СумПенсСтрах, "в общем лимите, ст. 219 п. 1 пп. 4, 5, п. 2"},
               {"независимая оценка квалификации", e.СумОценКвалиф, "в общем лимите, ст. 219 п. 1 пп. 6, п. 2"},
               {"расходы в пределах лимита " + LimitText(kSocialCommonLimit), e.ОбщСумРасх, "ст. 219 п. 2"},
               {"вне лимита", e.ИтогВычСоциал, "ст. 219 п. 2"},
               {"предоставлено налоговыми агентами", e.ОбщСНВОтчПерНА, "ст. 219 п. 2"},
               {"социальные вычеты к предоставлению", e.ОбщВычСоциал, "ст. 219"}});
    ruleTable(out, "Инвестиционный вычет и пенсионные взносы (ст. 219, 219.1 НК РФ)",
              {{"пенсионные и страховые взносы к вычету", e3.ОбщВзносВыч, "ст. 219 п. 1 пп. 4, 5"},
               {"дополнительные взносы на накопительную пенсию", e3.РасчДопСВВыч.СумВзносВыч, "ст. 219 п. 1 пп. 5"},
               {"взносы на ИИС к вычету", e3.СумИнвВыч219,
                "до " + LimitText(kIisDeductionLimit) + ", ст. 219.1 п. 1 пп. 2, п. 3"},
               {"восстановленный вычет прошлых лет", e3.ИнвВычПредВосст, "ст. 219.1 п. 4"}});
}

void purchaseDeduction(HtmlText& out, const kTSvodSumPrilZ& z) {
    ruleTable(out, "Имущественный вычет на покупку жилья (ст. 220 п. 1 пп. 3, 4 НК РФ)",
              {{"расходы на покупку с учетом лимита", z.TotalCost,
                "не более " + LimitText(kPropertyPurchaseLimit) + ", ст. 220 п. 3 пп. 1"},
               {"проценты по целевым займам", z.TotalInterest,
                "не более " + LimitText(kPropertyInterestLimit) + ", ст. 220 п. 4"},
               {"вычет на покупку за прошлые годы", z.ВычНовЗачПред, "ст. 220 п. 9"},
               {"вычет по процентам за прошлые годы", z.ВычПроцЗачПред, "ст. 220 п. 9"},
               {"предоставлено работодателем на покупку", z.ВычНАУвед, "ст. 220 п. 8"},
               {"предоставлено работодателем по процентам", z.ПроцНАУвед, "ст. 220 п. 8"},
               {"доход, от которого можно получить вычет", z.НалБаз13БезВыч,
                "доход по ставке " + PercentText(kRatePercent13) + " за минусом прочих вычетов"},
               {"вычет на покупку " + ForTaxYear(), z.РасхНовВычНД, "ст. 220 п. 3"},
               {"вычет по процентам " + ForTaxYear(), z.ПроцВычНД, "ст. 220 п. 4"},
               {"остаток на покупку на следующие годы", z.ОстИВБезПроц, "ст. 220 п. 9"},
               {"остаток по процентам на следующие годы", z.ОстИВУплПроц, "ст. 220 п. 9"}});
}

void professional(HtmlText& out, const char* title, const kTProfDeductionSheet& g) {
    static const char* const rows[] = {"договоры ГПХ (код 403)",
                                       "авторские вознаграждения, фактические расходы (404)",
                                       "авторские вознаграждения по нормативу (405)",
                                       "доли в уставном капитале (315, 316, 905, 907)",
                                       "права требования (317)",
                                       "доли в управляющей компании (318)",
                                       "долевое строительство (314)"};
    if (g.РасходОбщИт.IsZero())
        return;
    out.Heading(3, title);
    out.TableStart({"Вид", "Доход, руб.", "Вычет, руб."});
    for (int r = 1; r <= 7; ++r)
        if (!g.Row(r).Deduction.IsZero())
            out.Row({rows[r - 1], HtmlText::Figure(g.Row(r).Income), HtmlText::Figure(g.Row(r).Deduction)});
    out.Row({"Итого", "", HtmlText::Figure(g.РасходОбщИт)});
    out.TableEnd();
}

void securities(HtmlText& out, const char* title, const kTSvodSumPrilJ& j) {
    const std::string carryRule = "ст. 220.1 п. 1, " + std::to_string(kLossCarryYears) + " лет";
    ruleTable(out, title,
              {{"доходы по операциям", j.ИтогСовОпер.ОбщДохСовОпер, "ст. 214.1, 214.3, 214.4"},
               {"налоговая база по операциям", j.ИтогСовОпер.ОбщДоходОбл, "ст. 214.1 п. 6"},
               {"расходы и убытки, уменьшающие доход", j.ИтогСовОпер.ОбщРасхПрмВыч, "ст. 214.1 п. 10, 12"},
               {"убытки прошлых лет на начало: ценные бумаги", j.ОстУбытНачВс.СуммаЦБ, "ст. 220.1"},
               {"убытки прошлых лет на начало: ПФИ", j.ОстУбытНачВс.СуммаПФИ, "ст. 220.1"},
               {"учтено убытков прошлых лет: ценные бумаги", j.СумУмНБПер.СуммаЦБ, "ст. 220.1 п. 2"},
               {"учтено убытков прошлых лет: ПФИ", j.СумУмНБПер.СуммаПФИ, "ст. 220.1 п. 2"},
               {"переносится на будущее: ценные бумаги", j.ОстУбытКонВс.СуммаЦБ, carryRule},
               {"переносится на будущее: ПФИ", j.ОстУбытКонВс.СуммаПФИ, carryRule}});
}

const char* countryText(const std::string& code) {
    return code.empty() ? "—" : code.c_str();
}

void foreignLines(HtmlText& out, const std::vector<const DohodCur*>& lines) {
    out.TableStart({"Дата дохода", "Курс", "Доход в валюте", "Доход, руб.", "Дата уплаты налога", "Курс",
                    "Налог в валюте", "Налог, руб.", "Налог в РФ, руб.", "К зачету, руб."});
    for (const DohodCur* d : lines)
        out.Row({d->IncomeDate.ToText(), d->IncomeRateText, d->IncomeInCurrency, HtmlText::Figure(d->IncomeInRoubles),
                 d->TaxPaymentDate.ToText(), d->TaxRateText, d->TaxInCurrency, HtmlText::Figure(d->TaxInRoubles),
                 HtmlText::Figure(d->RussianTaxComputed), HtmlText::Figure(d->Credit)});
    out.TableEnd();
}

}  // namespace

void WriteRussianSources(HtmlText& out, const mTDeclaration& doc) {
    if (doc.DeclarationForm == kForm3NdflNonResident) {
        sourceTable(out, "Доходы нерезидента от источников в РФ по ставке " + PercentText(kRatePercent13) + " (лист А)",
                    doc.NonResidentIncomes13());
        incomeCodeTable(out, doc.NonResidentIncomes13());
        sourceTable(out, "Доходы нерезидента по ставке " + PercentText(kRatePercent30), doc.ResidentIncomes13());
        sourceTable(out, "Дивиденды нерезидента по ставке " + PercentText(kRatePercent15), doc.Incomes30());
        return;
    }
    sourceTable(out, "Доходы от источников в РФ по ставке " + PercentText(kRatePercent13) + " (лист А)",
                doc.ResidentIncomes13());
    incomeCodeTable(out, doc.ResidentIncomes13());
    sourceTable(out, "Дивиденды от российских организаций", doc.Incomes30());
    sourceTable(out, "Доходы по ставке " + PercentText(kRatePercent35), doc.Incomes35());
    sourceTable(out, "Доходы по ставке " + PercentText(kRatePercent9), doc.Incomes9());
}

void WriteExemptIncomes(HtmlText& out, const kTSvodSum& sum) {
    const kTSvodSumPrilM& m = sum.PrilM();
    struct Kind {
        std::string label;
        const kTExemptIncome* income;
    };
    const std::string p28 = LimitText(kExemptLimit217p28);
    const Kind kinds[] = {
        {"материальная помощь при рождении ребенка, до " + LimitText(kBirthAidExemptLimit) + " (ст. 217 п. 8)",
         &m.МатПомРожд},
        {"материальная помощь работникам, до " + p28 + " (ст. 217 п. 28)", &m.МатПомРаб},
        {"взносы работодателя на накопительную пенсию, до " + LimitText(kExemptPensionContributionLimit) +
             " (ст. 217 п. 39)",
         &m.ДопСВПенс},
        {"материальная помощь инвалидам, до " + p28 + " (ст. 217 п. 28)", &m.МатПомИнв},
        {"подарки от организаций и предпринимателей, до " + p28 + " (ст. 217 п. 28)", &m.ПодарНП},
        {"призы в конкурсах, до " + p28 + " (ст. 217 п. 28)", &m.ПризНП},
        {"возмещение стоимости лекарств, до " + p28 + " (ст. 217 п. 28)", &m.ВозмМед},
        {"помощь и подарки ветеранам, до " + LimitText(kExemptVeteranAidLimit) + " (ст. 217 п. 33)", &m.ПомПодар},
        {"призы в рекламных акциях, до " + p28 + " (ст. 217 п. 28)", &m.ПризРекл},
    };
    bool any = false;
    for (const Kind& k : kinds)
        any = any || !k.income->ДоходВсИст.IsZero();
    if (!any)
        return;
    out.Heading(3, "Доходы, освобожденные в пределах лимитов (ст. 217 НК РФ)");
    out.TableStart({"Доход", "Получено, руб.", "Не облагается, руб."});
    for (const Kind& k : kinds)
        if (!k.income->ДоходВсИст.IsZero())
            out.Row({k.label, HtmlText::Figure(k.income->ДоходВсИст), HtmlText::Figure(k.income->ДоходНеНал)});
    out.TableEnd();
}

void WriteDeductions(HtmlText& out, const mTDeclaration& doc, const kTSvodSum& sum) {
    const kTSvodSumPrilV1& v = sum.PrilV1();
    ruleTable(out, "Предпринимательская деятельность (лист В, ст. 227 НК РФ)",
              {{"доходы", v.BusinessIncome, "ст. 227 п. 1"},
               {"профессиональный вычет", v.BusinessExpenses,
                "ст. 221: расходы или " + PercentText(kBusinessExpenseNormPercent) + " дохода"},
               {"авансовые платежи уплачены", v.ActualPrepayments, "ст. 227 п. 8, 9"},
               {"авансовые платежи начислены", v.AccruedPrepayments, "ст. 227 п. 8"}});
    standardDeductions(out, doc.StandardDeductions, sum.PrilE1());
    socialDeductions(out, sum.PrilE2(), sum.PrilE3());
    saleDeductions(out, sum.PrilH1());
    purchaseDeduction(out, sum.PrilZ());
    professional(out, "Профессиональные вычеты (ст. 221 НК РФ)", sum.PrilG());
    professional(out, "Профессиональные вычеты по доходам за пределами РФ (ст. 221 НК РФ)", sum.PrilG_In());
}

void WriteSecurities(HtmlText& out, const kTSvodSum& sum) {
    securities(out, "Операции с ценными бумагами и ПФИ (ст. 214.1 НК РФ)", sum.PrilJ());
    securities(out, "Операции на индивидуальном инвестиционном счете (ст. 214.1, 219.1 НК РФ)", sum.PrilJIis());
    const kTSvodSumPrilI& i = sum.PrilI();
    ruleTable(out, "Инвестиционные товарищества (ст. 214.5 НК РФ)",
              {{"доходы", i.ИтогСовОпер.ОбщДохСовОпер, "ст. 214.5"},
               {"налоговая база", i.ИтогСовОпер.ОбщДоходОбл, "ст. 214.5"},
               {"расходы и убытки, уменьшающие доход", i.ИтогСовОпер.ОбщРасхПрмВыч, "ст. 214.5, 220.1"}});
}

void WriteForeignIncomes(HtmlText& out, HtmlText& appendix, const kTSvodSum& sum, const TaxReportOptions& options) {
    const kTSvodSumPrilB* sheets[] = {&sum.PrilB13(), &sum.PrilB9(), &sum.PrilB35()};
    size_t total = 0;
    for (const kTSvodSumPrilB* b : sheets)
        total += b->LineCount();
    if (total == 0)
        return;
    const bool inline_ = total <= options.inlineForeignLines;
    out.Heading(2, "Доходы за пределами РФ и зачет налога (лист Б, ст. 232 НК РФ)");
    out.Paragraph(
        "Доходы и налог пересчитаны в рубли по курсу Банка России на дату получения дохода и на дату "
        "уплаты налога (ст. 210 п. 5, ст. 232 п. 1 НК РФ). Зачет не больше налога, исчисленного в РФ с "
        "этого дохода.",
        "note");
    if (!inline_) {
        appendix.Heading(2, "Приложение. Доходы за пределами РФ построчно", "appendix");
        out.Paragraph("Строк " + std::to_string(total) +
                          ": ниже они сведены по источникам и валютам, построчно — в приложении в конце отчета.",
                      "note");
    }
    for (const kTSvodSumPrilB* b : sheets) {
        if (b->LineCount() == 0)
            continue;
        const std::string title = "Ставка " + std::to_string(b->Rate()) + "%";
        out.Heading(3, title + ": по источникам и валютам");
        out.TableStart({"Источник", "Страна", "Валюта", "Строк", "Доход, руб.", "Налог за рубежом, руб.",
                        "Налог в РФ, руб.", "К зачету, руб."});
        const std::vector<ForeignIncomeGroup> groups = GroupForeignIncomes(*b);
        for (const ForeignIncomeGroup& g : groups)
            out.Row({g.sourceName, countryText(g.countryCode), g.currencyCode + " " + g.currencyName,
                     std::to_string(g.lines.size()), HtmlText::Figure(g.incomeInRoubles),
                     HtmlText::Figure(g.taxInRoubles), HtmlText::Figure(g.russianTaxComputed),
                     HtmlText::Figure(g.credit)});
        out.TableEnd();
        HtmlText& linesOut = inline_ ? out : appendix;
        for (const ForeignIncomeGroup& g : groups) {
            linesOut.Paragraph(title + ". " + g.sourceName + ", " + countryText(g.countryCode) + ", " + g.currencyName +
                               ":");
            foreignLines(linesOut, g.lines);
        }
    }
}

}  // namespace zizaza::report
