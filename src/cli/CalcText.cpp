#include "cli/CalcText.h"

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
#include "storage/NumberText.h"

#include <ostream>
#include <string>
#include <vector>

namespace zizaza::cli {
namespace {

// Writes "name value" lines at an indentation.
class Lines {
public:
    Lines(std::ostream& out, int depth) : m_out(&out), m_pad(static_cast<size_t>(depth) * 2, ' ') {}

    Lines& operator()(const char* name, Money v) { return put(name, v.ToText()); }
    Lines& operator()(const char* name, const std::string& v) { return put(name, v); }
    Lines& operator()(const char* name, const char* v) { return put(name, v); }
    Lines& operator()(const char* name, int64_t v) { return put(name, std::to_string(v)); }
    Lines& operator()(const char* name, int32_t v) { return put(name, std::to_string(v)); }
    Lines& operator()(const char* name, size_t v) { return put(name, std::to_string(v)); }
    Lines& operator()(const char* name, Date v) { return put(name, v.ToText()); }
    Lines& operator()(const char* name, double v) { return put(name, GeneralFloatText(v)); }

    Lines& Title(const std::string& title) {
        *m_out << m_pad << title << "\n";
        return *this;
    }
    Lines Inner() const { return Lines(*m_out, static_cast<int>(m_pad.size() / 2) + 1); }

private:
    Lines& put(const char* name, const std::string& v) {
        *m_out << m_pad << name << (v.empty() ? "" : " ") << v << "\n";
        return *this;
    }

    std::ostream* m_out;
    std::string m_pad;
};

void writeBlock(Lines l, const char* name, const kTSvodSumList& b) {
    l.Title(name);
    l.Inner()("Ставка", b.Ставка)("ДоходОбщ", b.ДоходОбщ)("ДоходОбщНеНал", b.ДоходОбщНеНал)("СумНалВыч", b.СумНалВыч)(
        "ДоходОбщНал", b.ДоходОбщНал)("СумРасхУм", b.СумРасхУм)("СумДохДивКИК", b.СумДохДивКИК)("НалБаза", b.НалБаза)(
        "Исчисл", b.Исчисл)("УдержОбщ", b.УдержОбщ)("УдержОбщМВ", b.УдержОбщМВ)("УплАвФакт", b.УплАвФакт)(
        "ОбщАвУплЗач227.1", b.ОбщАвУплЗач227_1)("УплИнПодлЗач", b.УплИнПодлЗач)("ИсчислУпл", b.ИсчислУпл)(
        "ПодлВозв", b.ПодлВозв)("УплПатентЗач", b.УплПатентЗач)("ТСУплПерЗач", b.ТСУплПерЗач)("ПодлУпл", b.ПодлУпл);
}

void writeCadastral(Lines l, const std::vector<mbPrilA>& items) {
    l("CadastralItems", items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const mbPrilA& c = items[i];
        l.Title("[" + std::to_string(i + 1) + "]");
        l.Inner()("CadastralNumber", c.CadastralNumber)("CadastralValue", c.CadastralValue)(
            "ContractPrice", c.ContractPrice)("CadastralValue70", c.CadastralValue70)("Income", c.Income);
    }
}

void writeIncomeSheets(Lines l, const kTSvodSum& s) {
    const kTSvodSumPrilA9& a9 = s.PrilA9();
    l.Title("kTSvodSumPrilA9");
    l.Inner()("TotalIncome", a9.TotalIncome)("TaxWithheld", a9.TaxWithheld)("TaxComputed", a9.TaxComputed)(
        "TaxableAmount", a9.TaxableAmount);

    const kTSvodSumPrilA13& a13 = s.PrilA13();
    l.Title("kTSvodSumPrilA13");
    Lines i = l.Inner();
    i("TotalIncome", a13.TotalIncome)("TaxWithheld", a13.TaxWithheld)("DividendTaxWithheld", a13.DividendTaxWithheld)(
        "TaxComputed", a13.TaxComputed)("TaxableAmount", a13.TaxableAmount)(
        "DividendTaxableAmount", a13.DividendTaxableAmount)("DividendTaxComputed", a13.DividendTaxComputed)(
        "ForeignerFixedPayments", a13.ForeignerFixedPayments);
    writeCadastral(i, a13.CadastralItems);

    const kTSvodSumPrilA15& a15 = s.PrilA15();
    l.Title("kTSvodSumPrilA15");
    l.Inner()("TotalIncome", a15.TotalIncome)("TaxWithheld", a15.TaxWithheld)("TaxComputed", a15.TaxComputed)(
        "TaxableAmount", a15.TaxableAmount);

    const kTSvodSumPrilA30& a30 = s.PrilA30();
    l.Title("kTSvodSumPrilA30");
    i = l.Inner();
    i("TotalIncome", a30.TotalIncome)("TaxWithheld", a30.TaxWithheld)("TaxComputed", a30.TaxComputed)(
        "TaxableAmount", a30.TaxableAmount);
    writeCadastral(i, a30.CadastralItems);

    const kTSvodSumPrilA35& a35 = s.PrilA35();
    l.Title("kTSvodSumPrilA35");
    l.Inner()("TotalIncome", a35.TotalIncome)("TaxWithheld", a35.TaxWithheld)("TaxWithheld2620", a35.TaxWithheld2620);
}

void writeForeign(Lines l, const kTSvodSumPrilB& b) {
    l.Title("kTSvodSumPrilB " + std::to_string(b.Rate()));
    Lines i = l.Inner();
    i("OtherIncome", b.OtherIncome)("CfcIncome", b.CfcIncome)("DividendIncome", b.DividendIncome)(
        "ForeignTax", b.ForeignTax)("DividendTaxComputed", b.DividendTaxComputed)("OtherCredit", b.OtherCredit)(
        "CfcCredit", b.CfcCredit)("DividendCredit", b.DividendCredit)("LiquidationIncome", b.LiquidationIncome)(
        "CfcDividendIncome", b.CfcDividendIncome)("Lines", b.Lines.size());
    for (size_t n = 0; n < b.Lines.size(); ++n) {
        const DohodCur& d = b.Lines[n];
        i.Title("[" + std::to_string(n + 1) + "]");
        i.Inner()("CountryCode", d.CountryCode)("CurrencyName", d.CurrencyName)("CurrencyCode", d.CurrencyCode)(
            "SourceName", d.SourceName)("IncomeDate", d.IncomeDate)("IncomeRateText", d.IncomeRateText)(
            "IncomeInCurrency", d.IncomeInCurrency)("IncomeInRoubles", d.IncomeInRoubles)("IncomeCode", d.IncomeCode)(
            "DeductionAmount", d.DeductionAmount)("DeductionCode", d.DeductionCode)("TaxPaymentDate", d.TaxPaymentDate)(
            "TaxRateText", d.TaxRateText)("TaxInCurrency", d.TaxInCurrency)("TaxInRoubles", d.TaxInRoubles)(
            "RussianTaxComputed", d.RussianTaxComputed)("Credit", d.Credit)("IncomeKind", d.IncomeKind)(
            "CfcNumber", d.CfcNumber)("CfcProfitRule", static_cast<int32_t>(d.CfcProfitRule))(
            "LiquidationIncome", d.LiquidationIncome)("CfcDividendIncome", d.CfcDividendIncome);
    }
}

void writeBusinessAndExempt(Lines l, const kTSvodSum& s) {
    const kTSvodSumPrilV1& v = s.PrilV1();
    l.Title("kTSvodSumPrilV1");
    l.Inner()("BusinessIncome", v.BusinessIncome)("BusinessExpenses", v.BusinessExpenses)(
        "ActualPrepayments", v.ActualPrepayments)("AccruedPrepayments", v.AccruedPrepayments);

    const kTSvodSumPrilM& m = s.PrilM();
    l.Title("kTSvodSumPrilM");
    Lines i = l.Inner();
    const std::pair<const char*, const kTExemptIncome*> kinds[] = {
        {"МатПомРожд", &m.МатПомРожд}, {"МатПомРаб", &m.МатПомРаб}, {"ДопСВПенс", &m.ДопСВПенс},
        {"МатПомИнв", &m.МатПомИнв},   {"ПодарНП", &m.ПодарНП},     {"ПризНП", &m.ПризНП},
        {"ВозмМед", &m.ВозмМед},       {"ПомПодар", &m.ПомПодар},   {"НатОплСХ", &m.НатОплСХ},
        {"ПризРекл", &m.ПризРекл}};
    for (auto [name, k] : kinds) {
        i.Title(name);
        i.Inner()("ДоходВсИст", k->ДоходВсИст)("ДоходНеНал", k->ДоходНеНал);
    }
    i("ДохНеНалОбщ", m.ДохНеНалОбщ);
}

void writeProfessional(Lines l, const char* name, const kTProfDeductionSheet& g) {
    l.Title(name);
    Lines i = l.Inner();
    const char* rows[] = {"РасхФактДогГПХ", "РасхФактАвтВозн",  "РасхНормАвтВозн", "РасхФактУстКап",
                          "РасхФактПрдчСр", "РасхФактУмДолУКО", "РасхФактДолСтр"};
    for (int r = 1; r <= 7; ++r) {
        i.Title(rows[r - 1]);
        i.Inner()("Income", g.Row(r).Income)("Deduction", g.Row(r).Deduction);
    }
    i("Total905907", g.Total905907)("РасходОбщИт", g.РасходОбщИт);
}

void writeStandardAndSocial(Lines l, const kTSvodSum& s) {
    const kTSvodSumPrilE1& e1 = s.PrilE1();
    l.Title("kTSvodSumPrilE1");
    Lines i = l.Inner();
    i("MonthsWithin40000", e1.MonthsWithin40000)("DeductionMonthsWithin350000", e1.DeductionMonthsWithin350000);
    auto months = [&](const char* name, const std::array<Money, 12>& a) {
        std::string text;
        for (Money m : a)
            text += (text.empty() ? "" : " ") + m.ToText();
        i(name, text);
    };
    months("MonthlyIncomes", e1.MonthlyIncomes);
    months("MonthlyExpenses", e1.MonthlyExpenses);
    months("CumulativeIncomes", e1.CumulativeIncomes);
    i("ВычСт218.1.1", e1.ВычСт218_1_1)("ВычСт218.1.2", e1.ВычСт218_1_2)("Code103Total", e1.Code103Total)(
        "ВычСтРеб", e1.ВычСтРеб)("ВычСтРебЕд", e1.ВычСтРебЕд)("ВычСтРебИнв", e1.ВычСтРебИнв)(
        "ВычСтРебИнвЕд", e1.ВычСтРебИнвЕд)("ОбщВычСтанд", e1.ОбщВычСтанд);

    const kTSvodSumPrilE3& e3 = s.PrilE3();
    l.Title("kTSvodSumPrilE3");
    i = l.Inner();
    auto contracts = [&](const char* name, const std::vector<mbTPens>& list) {
        i(name, list.size());
        for (size_t n = 0; n < list.size(); ++n) {
            const mbTPens& c = list[n];
            i.Title("[" + std::to_string(n + 1) + "]");
            i.Inner()("ВидДоговор", c.ВидДоговор)("Наим", c.Наим)("ИННЮЛ", c.ИННЮЛ)("КПП", c.КПП)(
                "НомДогНПО", c.НомДогНПО)("ДатаДогНПО", c.ДатаДогНПО)("СумВзносУпл", c.СумВзносУпл)(
                "СумВзносВыч", c.СумВзносВыч)("AgentDeduction", c.AgentDeduction);
        }
    };
    contracts("Contracts", e3.Contracts);
    contracts("AdditionalContributions", e3.AdditionalContributions);
    i("ContributionsKinds1To3", e3.ContributionsKinds1To3)("DeductibleKinds1To3", e3.DeductibleKinds1To3)(
        "РасчДопСВВыч.СумВзносУпл", e3.РасчДопСВВыч.СумВзносУпл)(
        "РасчДопСВВыч.СумВзносВыч", e3.РасчДопСВВыч.СумВзносВыч)("ОбщВзносВыч", e3.ОбщВзносВыч)(
        "СумИнвВыч219", e3.СумИнвВыч219)("ИнвВычПредВосст", e3.ИнвВычПредВосст)("AgentPensionDeductions",
                                                                                e3.AgentPensionDeductions);

    const kTSvodSumPrilE2& e2 = s.PrilE2();
    l.Title("kTSvodSumPrilE2");
    l.Inner()("ИтогВычСоциал", e2.ИтогВычСоциал)("ОбщСумРасх", e2.ОбщСумРасх)("ОбщСНВОтчПерНА", e2.ОбщСНВОтчПерНА)(
        "СумЛичСтрах", e2.СумЛичСтрах)("СумПенсСтрах", e2.СумПенсСтрах)("СумОценКвалиф", e2.СумОценКвалиф)(
        "СумБлагЦел", e2.СумБлагЦел)("СумОбуч", e2.СумОбуч)("СумОбучБезЛим", e2.СумОбучБезЛим)("СумЛечен", e2.СумЛечен)(
        "СумЛеченБезЛим", e2.СумЛеченБезЛим)("ОбщВычСоциал", e2.ОбщВычСоциал);
}

void writeProperty(Lines l, const kTSvodSum& s) {
    const kTSvodSumPrilH1& h = s.PrilH1();
    l.Title("kTSvodSumPrilH1");
    Lines i = l.Inner();
    const std::pair<const char*, const kTSaleDeductionPair*> pairs[] = {
        {"СумИмущ", &h.СумИмущ},           {"СумДолИмущ", &h.СумДолИмущ},           {"СумИмущДок", &h.СумИмущДок},
        {"СумИнНедИмущ", &h.СумИнНедИмущ}, {"СумИнНедИмущДок", &h.СумИнНедИмущДок}, {"СумИнИмущ", &h.СумИнИмущ},
        {"СумИнИмущДок", &h.СумИнИмущДок}, {"СумИзтИмущ", &h.СумИзтИмущ},           {"СумЛиквИО", &h.СумЛиквИО},
        {"СумИмущКИК", &h.СумИмущКИК}};
    for (auto [name, p] : pairs) {
        i.Title(name);
        i.Inner()("ДохВсехИст", p->ДохВсехИст)("НалВычет", p->НалВычет);
    }
    i("ВычетОбщ", h.ВычетОбщ);

    const kTSvodSumPrilZ& z = s.PrilZ();
    l.Title("kTSvodSumPrilZ");
    l.Inner()("ShareFactor", z.ShareFactor)("TotalCost", z.TotalCost)("TotalInterest", z.TotalInterest)(
        "ВычНовЗачПред", z.ВычНовЗачПред)("ВычПроцЗачПред", z.ВычПроцЗачПред)("FirstCarried", z.FirstCarried)(
        "SecondCarried", z.SecondCarried)("ВычНАУвед", z.ВычНАУвед)("ПроцНАУвед", z.ПроцНАУвед)(
        "НалБаз13БезВыч", z.НалБаз13БезВыч)("РасхНовВычНД", z.РасхНовВычНД)("ПроцВычНД", z.ПроцВычНД)(
        "ОстИВБезПроц", z.ОстИВБезПроц)("ОстИВУплПроц", z.ОстИВУплПроц);
}

void writeSecurities(Lines l, const char* name, const kTSvodSumPrilJ& j) {
    l.Title(name);
    Lines i = l.Inner();
    const kTSecuritiesTraded& t = j.ДохОперЦБОрг;
    i.Title("ДохОперЦБОрг");
    i.Inner()("ДохСовОпер", t.ДохСовОпер)("РасхРеалЦБ", t.РасхРеалЦБ)("ПроцРасх", t.ПроцРасх)(
        "УбытРЕПОУмДох", t.УбытРЕПОУмДох)("УбытЗаймУмДох", t.УбытЗаймУмДох)("РасхУмДохРеалЦБ", t.РасхУмДохРеалЦБ)(
        "НалБазаОпер", t.НалБазаОпер)("УбытРезОпер", t.УбытРезОпер)("ИнвВычУмФР", t.ИнвВычУмФР)(
        "УбытПрПерУмНБ", t.УбытПрПерУмНБ)("УбытУмНБ_4.10", t.УбытУмНБ_4_10)("ДоходОбл", t.ДоходОбл)(
        "УбытУч_2.3", t.УбытУч_2_3)("УбытУч_4.6", t.УбытУч_4_6)("УбытУмНББуд", t.УбытУмНББуд);
    const kTSecuritiesSecondTraded& t2 = j.ДохОперЦБОргНеОрг;
    i.Title("ДохОперЦБОргНеОрг");
    i.Inner()("ДохСовОпер", t2.ДохСовОпер)("РасхРеалЦБ", t2.РасхРеалЦБ)("УбытУмФР_1.13", t2.УбытУмФР_1_13)("ДоходОбл",
                                                                                                           t2.ДоходОбл);
    const kTSecuritiesNonTraded& n = j.ДохОперЦБНеОрг;
    i.Title("ДохОперЦБНеОрг");
    i.Inner()("ДохСовОпер", n.ДохСовОпер)("РасхРеалЦБ", n.РасхРеалЦБ)("ПроцРасх", n.ПроцРасх)(
        "УбытРЕПОУмДох", n.УбытРЕПОУмДох)("УбытЗаймУмДох", n.УбытЗаймУмДох)("УбытВыхИТ", n.УбытВыхИТ)(
        "РасхУмДохРеалЦБ", n.РасхУмДохРеалЦБ)("ДоходОбл", n.ДоходОбл);
    const kTDerivativesSecuritiesBase& d = j.ДохПФИОргЦБ;
    i.Title("ДохПФИОргЦБ");
    i.Inner()("ДохСовОпер", d.ДохСовОпер)("РасхРеалПФИ", d.РасхРеалПФИ)("НалБазаОпер", d.НалБазаОпер)(
        "УбытРезОпер", d.УбытРезОпер)("УбытПрПерУмНБ", d.УбытПрПерУмНБ)("УбытУмНБ_1.14", d.УбытУмНБ_1_14)(
        "УбытУмНБ_5.8", d.УбытУмНБ_5_8)("ДоходОбл", d.ДоходОбл)("УбытУмНБ_5.6", d.УбытУмНБ_5_6)(
        "УбытУмНБ_1.10", d.УбытУмНБ_1_10)("УбытУмНББуд", d.УбытУмНББуд);
    const kTDerivativesOtherBase& o = j.ДохПФИОргНеЦБ;
    i.Title("ДохПФИОргНеЦБ");
    i.Inner()("ДохСовОпер", o.ДохСовОпер)("РасхРеалПФИ", o.РасхРеалПФИ)("НалБазаОпер", o.НалБазаОпер)(
        "УбытРезОпер", o.УбытРезОпер)("УбытПрПерУмНБ", o.УбытПрПерУмНБ)("УбытУмНБ_4.9", o.УбытУмНБ_4_9)(
        "ДоходОбл", o.ДоходОбл)("УбытУмНБ_4.7", o.УбытУмНБ_4_7)("УбытУмНББуд", o.УбытУмНББуд);
    const kTDerivativesOffExchange& f = j.ДохПФИНеОрг;
    i.Title("ДохПФИНеОрг");
    i.Inner()("ДохСовОпер", f.ДохСовОпер)("РасхРеалПФИ", f.РасхРеалПФИ)("ДоходОбл", f.ДоходОбл);
    const kTSecuritiesRepo& r = j.ДохРЕПО;
    i.Title("ДохРЕПО");
    i.Inner()("ДохЗаймРЕПО", r.ДохЗаймРЕПО)("РасхЗаймРЕПО", r.РасхЗаймРЕПО)("TradedIncome", r.TradedIncome)(
        "NonTradedIncome", r.NonTradedIncome)("TradedExpenses", r.TradedExpenses)(
        "NonTradedExpenses", r.NonTradedExpenses)("ДоходОбл", r.ДоходОбл)("УбытРезОпер", r.УбытРезОпер)(
        "УбытРЕПООбр", r.УбытРЕПООбр)("УбытРЕПОНеОбр", r.УбытРЕПОНеОбр);
    const kTSecuritiesLending& z = j.ДохЗаймЦБ;
    i.Title("ДохЗаймЦБ");
    i.Inner()("ДохДогЗайм", z.ДохДогЗайм)("РасхДогЗайм", z.РасхДогЗайм)("TradedIncome", z.TradedIncome)(
        "NonTradedIncome", z.NonTradedIncome)("TradedExpenses", z.TradedExpenses)(
        "NonTradedExpenses", z.NonTradedExpenses)("ДоходОбл", z.ДоходОбл)("УбытРезОпер", z.УбытРезОпер)(
        "УбытЗаймЦБОбр", z.УбытЗаймЦБОбр)("УбытЗаймЦБНеОбр", z.УбытЗаймЦБНеОбр);
    const std::pair<const char*, const kTLossPair*> losses[] = {{"ОстУбытНачВс", &j.ОстУбытНачВс},
                                                                {"НалБазаПер", &j.НалБазаПер},
                                                                {"СумУмНБПер", &j.СумУмНБПер},
                                                                {"ОстУбытКонВс", &j.ОстУбытКонВс}};
    for (auto [lname, p] : losses) {
        i.Title(lname);
        i.Inner()("СуммаЦБ", p->СуммаЦБ)("СуммаПФИ", p->СуммаПФИ);
    }
    i.Title("УбытПрхПер");
    i.Inner()("УбытОперЦБОбр", j.УбытПрхПер.УбытОперЦБОбр)("УбытОперПФИОбр", j.УбытПрхПер.УбытОперПФИОбр);
    i.Title("ИтогСовОпер");
    i.Inner()("ОбщДохСовОпер", j.ИтогСовОпер.ОбщДохСовОпер)("ОбщДоходОбл", j.ИтогСовОпер.ОбщДоходОбл)(
        "ОбщРасхПрмВыч", j.ИтогСовОпер.ОбщРасхПрмВыч);
}

void writePartnerships(Lines l, const kTSvodSumPrilI& p) {
    l.Title("kTSvodSumPrilI");
    Lines i = l.Inner();
    const char* kinds[] = {"ДохЦБОбрИТ", "ДохЦБНеОбрИТ", "ДохПФИНеОбрИТ", "ДохУстКапИТ", "ДохПрочИТ"};
    for (int k = 1; k <= 5; ++k) {
        const kTPartnershipKind& v = p.Kind(k);
        i.Title(kinds[k - 1]);
        i.Inner()("ДохСовокуп", v.ДохСовокуп)("РасхДолУпрТов", v.РасхДолУпрТов)("РасхВознУпрТоп", v.РасхВознУпрТоп)(
            "УбытПрУмен", v.УбытПрУмен)("РазмерФинРез", v.РазмерФинРез)("ИнвВычУмФР", v.ИнвВычУмФР)(
            "ДоходОбл", v.ДоходОбл)("УбытПерБудущ", v.УбытПерБудущ);
    }
    i.Title("РасчДохВыхИТ");
    i.Inner()("ДохВыхИТ", p.РасчДохВыхИТ.ДохВыхИТ)("ВкладИТ", p.РасчДохВыхИТ.ВкладИТ)(
        "ДоходОбл", p.РасчДохВыхИТ.ДоходОбл)("УбытРез", p.РасчДохВыхИТ.УбытРез);
    i.Title("ИтогСовОпер");
    i.Inner()("ОбщДохСовОпер", p.ИтогСовОпер.ОбщДохСовОпер)("ОбщДоходОбл", p.ИтогСовОпер.ОбщДоходОбл)(
        "ОбщРасхПрмВыч", p.ИтогСовОпер.ОбщРасхПрмВыч);
}

}  // namespace

void WriteSections(const kTSvodSum& sum, std::ostream& out) {
    Lines l(out, 0);
    l.Title("Раздел 1");
    const kTSvodSumList6& s1 = sum.List6();
    for (size_t n = 0; n < s1.Count(); ++n) {
        const bmTList1& line = s1.Line(n);
        l.Inner()("КБК", line.КБК + " ОКТМО " + line.ОКТМО + " ПрУплВозв " + line.ПрУплВозв + " Сумма " +
                             line.Amount.ToText());
    }
    l.Title("Раздел 2");
    writeBlock(l.Inner(), "kTSvodSumList1", sum.List1());
    writeBlock(l.Inner(), "kTSvodSumListKIK", sum.ListKIK());
    writeBlock(l.Inner(), "kTSvodSumListDiv", sum.ListDiv());
    writeBlock(l.Inner(), "kTSvodSumList2", sum.List2());
    writeBlock(l.Inner(), "kTSvodSumList3", sum.List3());
    writeBlock(l.Inner(), "kTSvodSumList4", sum.List4());
    writeBlock(l.Inner(), "kTSvodSumList5", sum.List5());
}

void WriteSheets(const kTSvodSum& sum, std::ostream& out) {
    Lines l(out, 0);
    l.Title("Листы");
    Lines i = l.Inner();
    writeIncomeSheets(i, sum);
    writeForeign(i, sum.PrilB13());
    writeForeign(i, sum.PrilB9());
    writeForeign(i, sum.PrilB35());
    writeBusinessAndExempt(i, sum);
    writeProfessional(i, "kTSvodSumPrilG", sum.PrilG());
    writeProfessional(i, "kTSvodSumPrilG_In", sum.PrilG_In());
    writeStandardAndSocial(i, sum);
    writeProperty(i, sum);
    writeSecurities(i, "kTSvodSumPrilJ", sum.PrilJ());
    writeSecurities(i, "kTSvodSumPrilJ ИИС", sum.PrilJIis());
    writePartnerships(i, sum.PrilI());
}

}  // namespace zizaza::cli
