#include "calc/kTSvodSumPrilE1.h"
#include "calc/kTSvodSumPrilE2.h"
#include "calc/kTSvodSumPrilE3.h"
#include "calc/kTSvodSumPrilG.h"
#include "calc/kTSvodSumPrilG_In.h"
#include "calc/kTSvodSumPrilH1.h"
#include "calc/kTSvodSumPrilZ.h"
#include "export/XmlBody3Ndfl.h"
#include "export/XmlExportText.h"
#include "model/mTDeclaration.h"

#include <array>

namespace zizaza {
namespace {

std::string ObjectKindCode(PropertyObjectKind kind) {
    return kind == PropertyObjectKind::LandShare ? "4" : std::to_string(static_cast<int32_t>(kind));
}

std::string OwnershipCode(PropertyOwnership kind) {
    switch (kind) {
        case PropertyOwnership::JointWithoutApplication:
            return "3";  // joint ownership without an application on distribution
        case PropertyOwnership::SpousesShared:
            return "2";  // shared ownership of spouses
        default:
            return std::to_string(static_cast<int32_t>(kind));
    }
}

std::string TaxpayerSignCode(PropertyTaxpayerSign sign) {
    switch (sign) {
        case PropertyTaxpayerSign::SharedWithChild:
            return "13";
        case PropertyTaxpayerSign::SpouseSharedWithChild:
            return "23";
        default:
            return PadZeros(std::to_string(static_cast<int32_t>(sign)), 2);
    }
}

void WritePropertyObject(XmlElement parent, const mTConstructionDeductObj& o, kTSvodSumPrilZ::ObjectFigures figures) {
    XmlElement e = AppendElement(parent, "СвОбъектРасх");
    PutAttribute(e, "КодНаимОб", ObjectKindCode(o.ObjectKind));
    PutAttribute(e, "ВидСобствОб", OwnershipCode(o.OwnershipKind));
    PutAttribute(e, "ПризнакНП", TaxpayerSignCode(o.TaxpayerSign));
    PutAttribute(e, "ВычЗаяв220.10", o.Pensioner ? "1" : "0");
    if (o.ByInvestment) {
        PutAttribute(e, "ДатаАкт", o.TransferActDate.ToText());
    } else {
        PutAttribute(e, "ДатаРегЖил", o.OwnershipRegistrationDate.ToText());
        if (HasLand(o.ObjectKind))
            PutAttribute(e, "ДатаРегЗем", o.LandRegistrationDate.ToText());
    }
    if (NeedsApplication(o.OwnershipKind, o.TaxpayerSign))
        PutAttribute(e, "ДатаЗаявВыч", o.ApplicationDate.ToText());
    // The calculation marks the objects whose deduction follows the rules before 2014.
    if (figures.RuleMarker != 0)
        PutAttribute(e, "ДолСобств", std::to_string(o.ShareNumerator) + "/" + std::to_string(o.ShareDenominator));
    PutAttribute(e, "ГодНачИспВыч", std::to_string(o.FirstYearOfUse.Year()));
    PutKopecks(e, "СумРасхФакт", figures.AssignedDeduction);
    PutKopecks(e, "СумФактУплПроц", figures.Interest);

    XmlElement number = AppendElement(e, "СведОбъект");
    PutAttribute(number, "КодНомерОб", std::to_string(static_cast<int32_t>(o.NumberKind)));
    if (o.NumberKind == PropertyNumberKind::NoNumber) {
        PutAttribute(number, "СведМНОб", o.Place);
    } else {
        PutAttribute(number, "НомерОб", o.Number);
        if (!IsBlank(o.Place))
            PutAttribute(number, "СведМНОб", o.Place);
    }
}

void WriteSalePair(XmlElement parent, const char* name, const kTSaleDeductionPair& p, const char* deductionName,
                   Money writtenWhen) {
    if (writtenWhen <= Money())
        return;
    XmlElement e = AppendElement(parent, name);
    PutKopecks(e, "ДохВсехИст", p.ДохВсехИст);
    PutKopecks(e, deductionName, p.НалВычет);
}

void WriteStandard(XmlElement parent, const mTDeclaration& d, const kTSvodSumPrilE1& e1) {
    XmlElement e = AppendElement(parent, "РасчВычСтанд");
    if (!d.StandardDeductions.Granted) {
        PutAttribute(e, "ОбщВычСтанд", "0");
        return;
    }
    PutKopecksIfPositive(e, "ВычСт218.1.1", e1.ВычСт218_1_1);
    PutKopecksIfPositive(e, "ВычСт218.1.2", e1.ВычСт218_1_2);
    PutKopecksIfPositive(e, "ВычСтРеб", e1.ВычСтРеб);
    PutKopecksIfPositive(e, "ВычСтРебЕд", e1.ВычСтРебЕд);
    PutKopecksIfPositive(e, "ВычСтРебИнв", e1.ВычСтРебИнв);
    PutKopecksIfPositive(e, "ВычСтРебИнвЕд", e1.ВычСтРебИнвЕд);
    PutKopecks(e, "ОбщВычСтанд", e1.ОбщВычСтанд);
}

void WriteSocial(XmlElement parent, const kTSvodSumPrilE2& e2) {
    if (e2.ИтогВычСоциал > Money()) {
        XmlElement e = AppendElement(parent, "РасчВычСоцБез219.2");
        PutKopecksIfPositive(e, "СумБлагЦел", e2.СумБлагЦел);
        PutKopecksIfPositive(e, "СумОбуч", e2.СумОбучБезЛим);
        PutKopecksIfPositive(e, "СумЛечен", e2.СумЛеченБезЛим);
        PutKopecks(e, "ИтогВычСоциал", e2.ИтогВычСоциал);
    }
    if (e2.ОбщВычСоциал > Money() || e2.ОбщСНВОтчПерНА > Money()) {
        XmlElement e = AppendElement(parent, "РасчВычСоц219.2");
        PutKopecksIfPositive(e, "СумОбуч", e2.СумОбуч);
        PutKopecksIfPositive(e, "СумЛечен", e2.СумЛечен);
        PutKopecksIfPositive(e, "СумЛичСтрах", e2.СумЛичСтрах);
        PutKopecksIfPositive(e, "СумПенсСтрах", e2.СумПенсСтрах);
        PutKopecksIfPositive(e, "СумОценКвалиф", e2.СумОценКвалиф);
        PutKopecksIfPositive(e, "ОбщСумРасх", e2.ОбщСумРасх);
        PutKopecksIfPositive(e, "ОбщСНВОтчПерНА", e2.ОбщСНВОтчПерНА);
        PutKopecks(e, "ОбщВычСоциал", e2.ОбщВычСоциал);
    }
}

void WritePensionContract(XmlElement parent, const mbTPens& c) {
    XmlElement e = AppendElement(parent, "РасчПСВВыч");
    PutKopecks(e, "СумВзносУпл", c.СумВзносУпл);
    PutKopecks(e, "СумВзносВыч", c.СумВзносВыч);
    XmlElement contract = AppendElement(e, "СведДогНПО");
    PutAttribute(contract, "ВидДоговор", std::to_string(c.ВидДоговор));
    PutAttribute(contract, "ДатаДогНПО", c.ДатаДогНПО.ToText());
    PutAttribute(contract, "НомДогНПО", c.НомДогНПО);
    XmlElement fund = AppendElement(contract, "СведИст");
    PutAttribute(fund, "Наим", c.Наим);
    PutAttribute(fund, "ИННЮЛ", c.ИННЮЛ);
    PutAttribute(fund, "КПП", c.КПП);
}

void WriteProfessional(XmlElement ndfl3, const kTProfDeductionSheet& g, const char* source) {
    if (g.РасходОбщИт <= Money())
        return;
    XmlElement e = AppendElement(ndfl3, "ПрофНалВыч");
    PutAttribute(e, "ПрИст", source);
    PutKopecks(e, "РасходОбщИт", g.РасходОбщИт);
    struct Row {
        const char* element;
        const char* income;
        const kTProfDeductionPair& pair;
    };
    const std::array<Row, 7> rows = {{
        {"РасхФактДогГПХ", "СумДохДогГПХ", g.РасхФактДогГПХ},
        {"РасхФактАвтВозн", "СумАвторВозн", g.РасхФактАвтВозн},
        {"РасхНормАвтВозн", "СумАвторВозн", g.РасхНормАвтВозн},
        {"РасхФактУстКап", "СумДохУстКап", g.РасхФактУстКап},
        {"РасхФактПрдчСр", "СумДохПрдчСр", g.РасхФактПрдчСр},
        {"РасхФактУмДолУКО", "СумДохУмДолУКО", g.РасхФактУмДолУКО},
        {"РасхФактДолСтр", "СумДохУстПрав", g.РасхФактДолСтр},
    }};
    for (const Row& r : rows) {
        if (r.pair.Deduction <= Money())
            continue;
        XmlElement row = AppendElement(e, r.element);
        PutKopecks(row, r.income, r.pair.Income);
        PutKopecks(row, "СумРасхВыч", r.pair.Deduction);
    }
}

}  // namespace

void WritePurchaseDeduction(XmlElement ndfl3, const mTDeclaration& d, const XmlFigures& f) {
    const mTConstructionDeduct& pd = d.PropertyDeductions;
    if (!pd.Granted || d.DeclarationForm != kForm3Ndfl || pd.ObjectCount() == 0 || d.IncomeFlags() == 0)
        return;
    const kTSvodSumPrilZ& z = f.prilZ;
    XmlElement e = AppendElement(AppendElement(ndfl3, "ИмущНалВычНов"), "РасчИмущВыч");
    PutKopecks(e, "ВычНовЗачПред", z.ВычНовЗачПред);
    PutKopecks(e, "ВычПроцЗачПред", z.ВычПроцЗачПред);
    PutKopecks(e, "ВычНАУвед", z.ВычНАУвед);
    PutKopecks(e, "ПроцНАУвед", z.ПроцНАУвед);
    PutKopecks(e, "НалБаз13БезВыч", z.НалБаз13БезВыч);
    PutKopecks(e, "РасхНовВычНД", z.РасхНовВычНД);
    PutKopecks(e, "ПроцВычНД", z.ПроцВычНД);
    PutKopecks(e, "ОстИВБезПроц", z.ОстИВБезПроц);
    PutKopecks(e, "ОстИВУплПроц", z.ОстИВУплПроц);
    for (size_t i = 0; i < pd.ObjectCount(); ++i)
        WritePropertyObject(e, pd.Object(i), z.Object(i));
}

void WriteSaleDeductions(XmlElement ndfl3, const XmlFigures& f) {
    const kTSvodSumPrilH1& h = f.prilH1;
    if (h.ВычетОбщ <= Money())
        return;
    XmlElement e = AppendElement(ndfl3, "ИмущНалВычПр");
    PutKopecks(e, "ВычетОбщ", h.ВычетОбщ);

    // Each deduction is tested on its own: a sum of several may leave the money range.
    bool housing = false;
    for (Money v : {h.СумИмущ.НалВычет, h.СумДолИмущ.НалВычет, h.СумИмущДок.РасхДок(), h.СумИнНедИмущ.НалВычет,
                    h.СумИнНедИмущДок.РасхДок(), h.СумИнИмущ.НалВычет, h.СумИнИмущДок.РасхДок()})
        housing = housing || v > Money();
    if (housing) {
        XmlElement g = AppendElement(e, "ВычЖилИмущ");
        WriteSalePair(g, "СумИмущ", h.СумИмущ, "НалВычет", h.СумИмущ.НалВычет);
        WriteSalePair(g, "СумДолИмущ", h.СумДолИмущ, "НалВычет", h.СумДолИмущ.НалВычет);
        WriteSalePair(g, "СумИмущДок", h.СумИмущДок, "РасхДок", h.СумИмущДок.РасхДок());
        WriteSalePair(g, "СумИнНедИмущ", h.СумИнНедИмущ, "НалВычет", h.СумИнНедИмущ.ДохВсехИст);
        WriteSalePair(g, "СумИнНедИмущДок", h.СумИнНедИмущДок, "РасхДок", h.СумИнНедИмущДок.РасхДок());
        WriteSalePair(g, "СумИнИмущ", h.СумИнИмущ, "НалВычет", h.СумИнИмущ.ДохВсехИст);
        WriteSalePair(g, "СумИнИмущДок", h.СумИнИмущДок, "РасхДок", h.СумИнИмущДок.РасхДок());
    }
    if (h.СумИзтИмущ.НалВычет > Money())
        WriteSalePair(AppendElement(e, "ВычИзтИмущ"), "СумИзтИмущ", h.СумИзтИмущ, "НалВычет", h.СумИзтИмущ.НалВычет);
    if (h.СумЛиквИО.НалВычет > Money() || h.СумИмущКИК.НалВычет > Money()) {
        XmlElement g = AppendElement(e, "ВычИмущ220.2");
        WriteSalePair(g, "СумЛиквИО", h.СумЛиквИО, "НалВычет", h.СумЛиквИО.НалВычет);
        WriteSalePair(g, "СумИмущКИК", h.СумИмущКИК, "НалВычет", h.СумИмущКИК.НалВычет);
    }
}

void WriteStandardSocialDeductions(XmlElement ndfl3, const mTDeclaration& d, const XmlFigures& f) {
    bool standard = d.StandardDeductions.Granted;
    bool social = d.SocialDeductions.Granted;
    if (d.DeclarationForm != kForm3Ndfl || !(standard || social) || d.IncomeFlags() == 0)
        return;
    XmlElement e = AppendElement(ndfl3, "ВычСтандСоц");
    PutKopecks(e, "ВычСтандСоц", f.prilE1.ОбщВычСтанд + f.prilE2.ОбщВычСоциал);
    WriteStandard(e, d, f.prilE1);
    if (social)
        WriteSocial(e, f.prilE2);
}

void WritePensionInvestmentDeductions(XmlElement ndfl3, const XmlFigures& f) {
    const kTSvodSumPrilE3& e3 = f.prilE3;
    Money investment = e3.СумИнвВыч219 + e3.ИнвВычПредВосст;
    if (e3.ContractCount() == 0 && e3.AdditionalContributionCount() == 0 && investment <= Money())
        return;
    XmlElement e = AppendElement(ndfl3, "ВычСоцИнв219");
    XmlElement pension = AppendElement(e, "РасчПенсВзнос");
    PutKopecks(pension, "ОбщВзносВыч", e3.ОбщВзносВыч);
    for (const mbTPens& c : e3.Contracts)
        WritePensionContract(pension, c);
    if (e3.AdditionalContributionCount() > 0) {
        XmlElement extra = AppendElement(pension, "РасчДопСВВыч");
        PutKopecks(extra, "СумВзносУпл", e3.РасчДопСВВыч.СумВзносУпл);
        PutKopecks(extra, "СумВзносВыч", e3.РасчДопСВВыч.СумВзносВыч);
    }
    if (investment > Money()) {
        XmlElement inv = AppendElement(e, "РасчИнвВыч");
        PutKopecks(inv, "СумИнвВыч219", e3.СумИнвВыч219);
        PutKopecks(inv, "ИнвВычПредВосст", e3.ИнвВычПредВосст);
    }
}

void WriteProfessionalDeductions(XmlElement ndfl3, const XmlFigures& f) {
    WriteProfessional(ndfl3, f.prilG, "1");
    WriteProfessional(ndfl3, f.prilGIn, "2");
}

}  // namespace zizaza
