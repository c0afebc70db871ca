#include "calc/kTSvodSumPrilA13.h"
#include "calc/kTSvodSumPrilA30.h"
#include "calc/kTSvodSumPrilI.h"
#include "calc/kTSvodSumPrilJ.h"
#include "export/XmlBody3Ndfl.h"
#include "export/XmlExportText.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"

namespace zizaza {
namespace {

void WriteTraded(XmlElement parent, const kTSecuritiesTraded& g, bool iis) {
    if (g.ДохСовОпер + g.РасхРеалЦБ + g.ПроцРасх <= Money())
        return;
    XmlElement e = AppendElement(parent, "ДохОперЦБОрг");
    XmlElement result = AppendElement(e, "РасчФинРез");
    PutKopecks(result, "ДохСовОпер", g.ДохСовОпер);
    PutKopecks(result, "РасхРеалЦБ", g.РасхРеалЦБ);
    PutKopecks(result, "УбытРЕПОУмДох", g.УбытРЕПОУмДох);
    PutKopecks(result, "УбытЗаймУмДох", g.УбытЗаймУмДох);
    PutKopecks(result, "ПроцРасх", g.ПроцРасх);
    PutKopecks(result, "РасхУмДохРеалЦБ", g.РасхУмДохРеалЦБ);
    PutKopecks(result, "НалБазаОпер", g.НалБазаОпер);
    PutKopecks(result, "УбытРезОпер", g.УбытРезОпер);
    if (g.НалБазаОпер > Money()) {
        XmlElement taxable = AppendElement(e, "РасчДохОбл");
        // The investment deduction of the financial result is not claimed on an investment account.
        PutKopecks(taxable, "ИнвВычУмФР", iis ? Money() : g.ИнвВычУмФР);
        PutKopecks(taxable, "УбытУмНБ_4.10", g.УбытУмНБ_4_10);
        PutKopecks(taxable, "УбытПрПерУмНБ", g.УбытПрПерУмНБ);
        PutKopecks(taxable, "ДоходОбл", g.ДоходОбл);
    }
    if (g.УбытРезОпер > Money()) {
        XmlElement loss = AppendElement(e, "РаспрУбыт");
        PutKopecks(loss, "УбытУч_2.3", g.УбытУч_2_3);
        PutKopecks(loss, "УбытУч_4.6", g.УбытУч_4_6);
        PutKopecks(loss, "УбытУмНББуд", g.УбытУмНББуд);
    }
}

void WriteSecondTraded(XmlElement parent, const kTSecuritiesSecondTraded& g) {
    if (g.ДохСовОпер + g.РасхРеалЦБ <= Money())
        return;
    XmlElement e = AppendElement(parent, "ДохОперЦБОргНеОрг");
    PutKopecks(e, "ДохСовОпер", g.ДохСовОпер);
    PutKopecks(e, "РасхРеалЦБ", g.РасхРеалЦБ);
    PutKopecks(e, "УбытУмФР_1.13", g.УбытУмФР_1_13);
    PutKopecks(e, "ДоходОбл", g.ДоходОбл);
}

void WriteNonTraded(XmlElement parent, const kTSecuritiesNonTraded& g) {
    if (g.ДохСовОпер + g.РасхРеалЦБ + g.ПроцРасх <= Money())
        return;
    XmlElement e = AppendElement(parent, "ДохОперЦБНеОрг");
    PutKopecks(e, "ДохСовОпер", g.ДохСовОпер);
    PutKopecks(e, "РасхРеалЦБ", g.РасхРеалЦБ);
    PutKopecks(e, "УбытРЕПОУмДох", g.УбытРЕПОУмДох);
    PutKopecks(e, "УбытЗаймУмДох", g.УбытЗаймУмДох);
    PutKopecks(e, "ПроцРасх", g.ПроцРасх);
    PutKopecks(e, "УбытВыхИТ", g.УбытВыхИТ);
    PutKopecks(e, "РасхУмДохРеалЦБ", g.РасхУмДохРеалЦБ);
    PutKopecks(e, "ДоходОбл", g.ДоходОбл);
}

// РасчФинРез of a derivatives group; returns the group element.
XmlElement WriteDerivativeResult(XmlElement parent, const char* name, Money income, Money expenses, Money base,
                                 Money loss) {
    XmlElement e = AppendElement(parent, name);
    XmlElement result = AppendElement(e, "РасчФинРез");
    PutKopecks(result, "ДохСовОпер", income);
    PutKopecks(result, "РасхРеалПФИ", expenses);
    PutKopecks(result, "НалБазаОпер", base);
    PutKopecks(result, "УбытРезОпер", loss);
    return e;
}

void WriteDerivativesSecuritiesBase(XmlElement parent, const kTDerivativesSecuritiesBase& g) {
    if (g.ДохСовОпер + g.РасхРеалПФИ <= Money())
        return;
    XmlElement e =
        WriteDerivativeResult(parent, "ДохПФИОргЦБ", g.ДохСовОпер, g.РасхРеалПФИ, g.НалБазаОпер, g.УбытРезОпер);
    if (g.НалБазаОпер > Money()) {
        XmlElement taxable = AppendElement(e, "РасчДохОбл");
        PutKopecks(taxable, "УбытПрПерУмНБ", g.УбытПрПерУмНБ);
        PutKopecks(taxable, "УбытУмНБ_1.14", g.УбытУмНБ_1_14);
        PutKopecks(taxable, "УбытУмНБ_5.8", g.УбытУмНБ_5_8);
        PutKopecks(taxable, "ДоходОбл", g.ДоходОбл);
    }
    if (g.УбытРезОпер > Money()) {
        XmlElement loss = AppendElement(e, "РаспрУбыт");
        PutKopecks(loss, "УбытУмНБ_5.6", g.УбытУмНБ_5_6);
        PutKopecks(loss, "УбытУмНБ_1.10", g.УбытУмНБ_1_10);
        PutKopecks(loss, "УбытУмНББуд", g.УбытУмНББуд);
    }
}

void WriteDerivativesOtherBase(XmlElement parent, const kTDerivativesOtherBase& g) {
    if (g.ДохСовОпер + g.РасхРеалПФИ <= Money())
        return;
    XmlElement e =
        WriteDerivativeResult(parent, "ДохПФИОргНеЦБ", g.ДохСовОпер, g.РасхРеалПФИ, g.НалБазаОпер, g.УбытРезОпер);
    if (g.НалБазаОпер > Money()) {
        XmlElement taxable = AppendElement(e, "РасчДохОбл");
        PutKopecks(taxable, "УбытПрПерУмНБ", g.УбытПрПерУмНБ);
        PutKopecks(taxable, "УбытУмНБ_4.9", g.УбытУмНБ_4_9);
        PutKopecks(taxable, "ДоходОбл", g.ДоходОбл);
    }
    if (g.УбытРезОпер > Money()) {
        XmlElement loss = AppendElement(e, "РаспрУбыт");
        PutKopecks(loss, "УбытУмНБ_4.7", g.УбытУмНБ_4_7);
        PutKopecks(loss, "УбытУмНББуд", g.УбытУмНББуд);
    }
}

void WriteDerivativesOffExchange(XmlElement parent, const kTDerivativesOffExchange& g) {
    if (g.ДохСовОпер + g.РасхРеалПФИ <= Money())
        return;
    XmlElement e = AppendElement(parent, "ДохПФИНеОрг");
    PutKopecks(e, "ДохСовОпер", g.ДохСовОпер);
    PutKopecks(e, "РасхРеалПФИ", g.РасхРеалПФИ);
    PutKopecks(e, "ДоходОбл", g.ДоходОбл);
}

// ДохРЕПО and ДохЗаймЦБ share one layout.
struct LoanLike {
    const char* element;
    const char* incomeName;
    const char* expensesName;
    const char* tradedLossName;
    const char* nonTradedLossName;
    Money income, expenses, taxable, loss, tradedLoss, nonTradedLoss;
};

void WriteLoanLike(XmlElement parent, const LoanLike& g) {
    if (g.income + g.expenses <= Money())
        return;
    XmlElement e = AppendElement(parent, g.element);
    XmlElement result = AppendElement(e, "РасчФинРез");
    PutKopecks(result, g.incomeName, g.income);
    PutKopecks(result, g.expensesName, g.expenses);
    PutKopecks(result, "ДоходОбл", g.taxable);
    PutKopecks(result, "УбытРезОпер", g.loss);
    if (g.tradedLoss > Money() || g.nonTradedLoss > Money()) {
        XmlElement loss = AppendElement(e, "РаспрУбыт");
        PutKopecks(loss, g.tradedLossName, g.tradedLoss);
        PutKopecks(loss, g.nonTradedLossName, g.nonTradedLoss);
    }
}

void PutLossPair(XmlElement parent, const char* name, const kTLossPair& p) {
    XmlElement e = AppendElement(parent, name);
    PutKopecksIfPositive(e, "СуммаЦБ", p.СуммаЦБ);
    PutKopecksIfPositive(e, "СуммаПФИ", p.СуммаПФИ);
}

void WriteEarlierLosses(XmlElement parent, const kTSvodSumPrilJ& j, const mTCBDeduct& losses) {
    if (j.ОстУбытНачВс.СуммаЦБ + j.ОстУбытНачВс.СуммаПФИ <= Money())
        return;
    XmlElement e = AppendElement(parent, "УбытПредПер");
    PutLossPair(e, "ОстУбытНачВс", j.ОстУбытНачВс);
    for (int year = kOldestCarriedLossYear; year <= kNewestCarriedLossYear; ++year) {
        Money securities = losses.SecuritiesLoss(year);
        Money derivatives = losses.DerivativesLoss(year);
        if (securities <= Money() && derivatives <= Money())
            continue;
        XmlElement y = AppendElement(e, "ОстУбытПрошПер");
        PutAttribute(y, "ПериодПрош", std::to_string(year));
        PutKopecksIfPositive(y, "УбытНачЦБОбр", securities);
        PutKopecksIfPositive(y, "УбытНачПФИОбр", derivatives);
    }
    PutLossPair(e, "НалБазаПер", j.НалБазаПер);
    PutLossPair(e, "СумУмНБПер", j.СумУмНБПер);
    PutLossPair(e, "ОстУбытКонВс", j.ОстУбытКонВс);
}

void WriteSecuritiesAccount(XmlElement ndfl3, const kTSvodSumPrilJ& j, const mTCBDeduct& losses, bool iis) {
    if (j.ИтогСовОпер.ОбщДохСовОпер + j.ОстУбытНачВс.СуммаЦБ + j.ОстУбытНачВс.СуммаПФИ <= Money())
        return;
    XmlElement e = AppendElement(ndfl3, "ДохОперЦБ");
    PutAttribute(e, "ВидОпер", iis ? "1" : "2");
    WriteTraded(e, j.ДохОперЦБОрг, iis);
    WriteSecondTraded(e, j.ДохОперЦБОргНеОрг);
    WriteNonTraded(e, j.ДохОперЦБНеОрг);
    WriteDerivativesSecuritiesBase(e, j.ДохПФИОргЦБ);
    WriteDerivativesOtherBase(e, j.ДохПФИОргНеЦБ);
    WriteDerivativesOffExchange(e, j.ДохПФИНеОрг);
    const kTSecuritiesRepo& repo = j.ДохРЕПО;
    WriteLoanLike(e, {"ДохРЕПО", "ДохЗаймРЕПО", "РасхЗаймРЕПО", "УбытРЕПООбр", "УбытРЕПОНеОбр", repo.ДохЗаймРЕПО,
                      repo.РасхЗаймРЕПО, repo.ДоходОбл, repo.УбытРезОпер, repo.УбытРЕПООбр, repo.УбытРЕПОНеОбр});
    const kTSecuritiesLending& loan = j.ДохЗаймЦБ;
    WriteLoanLike(e, {"ДохЗаймЦБ", "ДохДогЗайм", "РасхДогЗайм", "УбытЗаймЦБОбр", "УбытЗаймЦБНеОбр", loan.ДохДогЗайм,
                      loan.РасхДогЗайм, loan.ДоходОбл, loan.УбытРезОпер, loan.УбытЗаймЦБОбр, loan.УбытЗаймЦБНеОбр});
    WriteEarlierLosses(e, j, losses);
    if (j.УбытПрхПер.УбытОперЦБОбр > Money() || j.УбытПрхПер.УбытОперПФИОбр > Money()) {
        XmlElement carried = AppendElement(e, "УбытПрхПер");
        PutKopecks(carried, "УбытОперЦБОбр", j.УбытПрхПер.УбытОперЦБОбр);
        PutKopecks(carried, "УбытОперПФИОбр", j.УбытПрхПер.УбытОперПФИОбр);
    }
    if (j.ИтогСовОпер.ОбщДохСовОпер > Money()) {
        XmlElement total = AppendElement(e, "ИтогСовОпер");
        PutKopecks(total, "ОбщДохСовОпер", j.ИтогСовОпер.ОбщДохСовОпер);
        PutKopecks(total, "ОбщДоходОбл", j.ИтогСовОпер.ОбщДоходОбл);
        PutKopecks(total, "ОбщРасхПрмВыч", j.ИтогСовОпер.ОбщРасхПрмВыч);
    }
}

void WritePartnershipKind(XmlElement parent, const char* name, const kTPartnershipKind& k, bool withResult) {
    if (k.ДохСовокуп + k.РасхДолУпрТов + k.РасхВознУпрТоп + k.УбытПрУмен <= Money())
        return;
    XmlElement e = AppendElement(parent, name);
    PutKopecks(e, "ДохСовокуп", k.ДохСовокуп);
    PutKopecks(e, "РасхДолУпрТов", k.РасхДолУпрТов);
    PutKopecks(e, "РасхВознУпрТоп", k.РасхВознУпрТоп);
    PutKopecks(e, "УбытПрУмен", k.УбытПрУмен);
    if (withResult) {
        PutKopecks(e, "РазмерФинРез", k.РазмерФинРез);
        PutKopecks(e, "ИнвВычУмФР", k.ИнвВычУмФР);
    }
    PutKopecks(e, "ДоходОбл", k.ДоходОбл);
    PutKopecks(e, "УбытПерБудущ", k.УбытПерБудущ);
}

void WriteCadastralItem(XmlElement ndfl3, const mbPrilA& item) {
    XmlElement e = AppendElement(ndfl3, "ДохПродОНИ");
    PutAttribute(e, "НомКадОтчуждОНИ", item.CadastralNumber);
    PutKopecks(e, "КадСтоимГодРег", item.CadastralValue);
    PutKopecks(e, "ДохПродЦенаДог", item.ContractPrice);
    PutKopecks(e, "КадСтоимКоэф", item.CadastralValue70);
    PutKopecks(e, "ДохПродНалОбл", item.Income);
}

}  // namespace

void WriteSecurities(XmlElement ndfl3, const mTDeclaration& d, const XmlFigures& f) {
    WriteSecuritiesAccount(ndfl3, f.prilJIis, d.IisDeductions, true);
    WriteSecuritiesAccount(ndfl3, f.prilJ, d.SecuritiesDeductions, false);
}

void WriteInvestPartnerships(XmlElement ndfl3, const XmlFigures& f) {
    const kTSvodSumPrilI& p = f.prilI;
    const kTPartnershipTotals& t = p.ИтогСовОпер;
    if (t.ОбщДохСовОпер + t.ОбщДоходОбл + t.ОбщРасхПрмВыч <= Money())
        return;
    XmlElement e = AppendElement(ndfl3, "ДохИвестТов");
    WritePartnershipKind(e, "ДохЦБОбрИТ", p.ДохЦБОбрИТ, true);
    WritePartnershipKind(e, "ДохЦБНеОбрИТ", p.ДохЦБНеОбрИТ, false);
    WritePartnershipKind(e, "ДохПФИНеОбрИТ", p.ДохПФИНеОбрИТ, false);
    WritePartnershipKind(e, "ДохУстКапИТ", p.ДохУстКапИТ, false);
    WritePartnershipKind(e, "ДохПрочИТ", p.ДохПрочИТ, false);
    const kTPartnershipExit& exit = p.РасчДохВыхИТ;
    if (exit.ДохВыхИТ > Money() || exit.ВкладИТ > Money()) {
        XmlElement x = AppendElement(e, "РасчДохВыхИТ");
        PutKopecks(x, "ДохВыхИТ", exit.ДохВыхИТ);
        PutKopecks(x, "ВкладИТ", exit.ВкладИТ);
        PutKopecks(x, "ДоходОбл", exit.ДоходОбл);
        PutKopecks(x, "УбытРез", exit.УбытРез);
    }
    XmlElement total = AppendElement(e, "ИтогСовОпер");
    PutKopecks(total, "ОбщДохСовОпер", t.ОбщДохСовОпер);
    PutKopecks(total, "ОбщДоходОбл", t.ОбщДоходОбл);
    PutKopecks(total, "ОбщРасхПрмВыч", t.ОбщРасхПрмВыч);
}

void WriteCadastralSales(XmlElement ndfl3, const XmlFigures& f) {
    for (const mbPrilA& item : f.prilA13.CadastralItems)
        WriteCadastralItem(ndfl3, item);
    for (const mbPrilA& item : f.prilA30.CadastralItems)
        WriteCadastralItem(ndfl3, item);
}

}  // namespace zizaza
