#include "calc/kTSvodSumPrilB.h"
#include "calc/kTSvodSumPrilM.h"
#include "calc/kTSvodSumPrilV1.h"
#include "export/XmlBody3Ndfl.h"
#include "export/XmlExportText.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"

#include <array>

namespace zizaza {
namespace {

void WriteForeignLine(XmlElement parent, const DohodCur& line, bool at13) {
    XmlElement e = AppendElement(parent, "РасчДохНалИно");
    PutAttribute(e, "ОКСМ", PadZeros(Trim(line.CountryCode), 3));
    PutAttribute(e, "НаимИстДох", line.SourceName);
    PutAttribute(e, "КодВалют", PadZeros(Trim(line.CurrencyCode), 3));
    PutAttribute(e, "КодВидДох", at13 ? line.IncomeKind : "2");
    if (at13 && !line.CfcNumber.empty())
        PutAttribute(e, "НомерКИК", line.CfcNumber);
    PutAttribute(e, "ДатаДох", line.IncomeDate.ToText());
    PutAttribute(e, "КурсВалютДох", line.IncomeRateText);
    PutAttribute(e, "ДоходИноВал", CommaToDot(line.IncomeInCurrency));
    PutKopecks(e, "ДоходИноРуб", line.IncomeInRoubles);
    if (at13) {
        PutKopecksIfPositive(e, "ДохСтИмЛиквИн", line.LiquidationIncome);
        PutKopecksIfPositive(e, "ДохДивКИК", line.CfcDividendIncome);
        if (line.CfcProfitRule != 0)
            PutAttribute(e, "ПорядПрибКИК", line.CfcProfitRule == 1 ? "1" : "2");
    }
    if (line.TaxInRoubles > Money()) {
        PutAttribute(e, "ДатаУплНал", line.TaxPaymentDate.ToText());
        PutAttribute(e, "КурсВалютНал", line.TaxRateText);
        PutAttribute(e, "НалУплИноВал", CommaToDot(line.TaxInCurrency));
        PutKopecks(e, "НалУплИноРуб", line.TaxInRoubles);
    }
    PutKopecksIfPositive(e, "НалЗачРФОбщ", line.RussianTaxComputed);
    PutKopecksIfPositive(e, "НалогЗачРФОбщ", line.Credit);
}

void WriteForeignRate(XmlElement ndfl3, const kTSvodSumPrilB& sheet, const char* rate, bool at13) {
    XmlElement e = AppendElement(ndfl3, "ДоходИстИно");
    PutAttribute(e, "Ставка", rate);
    for (const DohodCur& line : sheet.Lines)
        WriteForeignLine(e, line, at13);
}

void PutIfNotZero(XmlElement e, const char* name, Money v) {
    if (!v.IsZero())
        PutKopecks(e, name, v);
}

void WriteActivity(XmlElement parent, const mTBusinessNew& b) {
    XmlElement e = AppendElement(parent, "РасчВидДеят");
    PutAttribute(e, "ВидДеят", b.ActivityKind);
    if (Trim(b.ActivityKind) == "1")
        PutAttribute(e, "ОКВЭД", b.OkvedCode);
    PutKopecks(e, "Доход", b.Income);
    if (b.Itemized) {
        PutIfNotZero(e, "РасхФакт", b.ExpensesTotal);
        PutIfNotZero(e, "РасхФМат", b.MaterialExpenses);
        PutIfNotZero(e, "РасхФАмНач", b.Depreciation);
        PutIfNotZero(e, "РасхФОплТруд", b.Labour);
        PutIfNotZero(e, "РасхФТрДог", b.LabourContracts);
        PutIfNotZero(e, "РасхФПроч", b.OtherExpenses);
    } else {
        PutIfNotZero(e, "РасхПредНорм", b.NormExpenses);
    }
}

}  // namespace

void WriteForeignIncomes(XmlElement ndfl3, const mTDeclaration& d, const XmlFigures& f) {
    if (!d.HasIncome(kIncomeForeign))
        return;
    const kTSvodSumPrilB& b9 = f.prilB9;
    const kTSvodSumPrilB& b13 = f.prilB13;
    const kTSvodSumPrilB& b35 = f.prilB35;
    if (b9.OtherIncome > Money())
        WriteForeignRate(ndfl3, b9, RateCode(kRatePercent9), false);
    if (b13.OtherIncome > Money() || b13.CfcIncome > Money() || b13.DividendIncome > Money())
        WriteForeignRate(ndfl3, b13, RateCode(kRatePercent13), true);
    if (b35.OtherIncome > Money())
        WriteForeignRate(ndfl3, b35, RateCode(kRatePercent35), false);
}

void WriteBusinessIncome(XmlElement ndfl3, const mTDeclaration& d, const XmlFigures& f) {
    if (!d.HasIncome(kIncomeBusiness) || d.BusinessIncomeCount() == 0)
        return;
    const kTSvodSumPrilV1& v1 = f.prilV1;
    XmlElement e = AppendElement(ndfl3, "ДоходПредпр");
    PutKopecks(e, "ДоходИт", v1.BusinessIncome);
    PutKopecks(e, "ВычПрофИт", v1.BusinessExpenses);
    if (v1.AccruedPrepayments > Money())
        PutWhole(e, "НачислАвИт", v1.AccruedPrepayments);
    if (v1.ActualPrepayments > Money())
        PutWhole(e, "УплФактАвИт", v1.ActualPrepayments);
    for (const mTBusinessNew& b : d.BusinessIncomes())
        WriteActivity(e, b);
    if (d.IsFarm) {
        XmlElement farm = AppendElement(e, "СведКФХ");
        PutAttribute(farm, "ГодРегКФХ", std::to_string(d.FarmRegistrationDate.Year()));
        PutKopecks(farm, "ДоходНеНал", d.FarmExemptIncome);
    }
    if (d.CorrectedBase > Money() || d.CorrectedTax > Money()) {
        XmlElement corrected = AppendElement(e, "НБКор105.3");
        PutKopecks(corrected, "НБКорСам", d.CorrectedBase);
        PutWhole(corrected, "НалКорСам", d.CorrectedTax);
    }
}

void WriteExemptIncomes(XmlElement ndfl3, const mTDeclaration& d, const XmlFigures& f) {
    const kTSvodSumPrilM& m = f.prilM;
    if (m.ДохНеНалОбщ <= Money() && m.ПризРекл.ДоходНеНал <= Money())
        return;
    XmlElement e = AppendElement(ndfl3, "ДоходОсвПрев");
    PutKopecks(e, "ДохНеНалОбщ", m.ДохНеНалОбщ);
    struct Row {
        const char* name;
        const kTExemptIncome& value;
    };
    const std::array<Row, 10> rows = {{
        {"МатПомРожд", m.МатПомРожд},
        {"МатПомРаб", m.МатПомРаб},
        {"МатПомИнв", m.МатПомИнв},
        {"ПодарНП", m.ПодарНП},
        {"ПризНП", m.ПризНП},
        {"ВозмМед", m.ВозмМед},
        {"ПомПодар", m.ПомПодар},
        {"ДопСВПенс", m.ДопСВПенс},
        {"НатОплСХ", m.НатОплСХ},
        {"ПризРекл", m.ПризРекл},
    }};
    for (const Row& r : rows) {
        if (r.value.ДоходНеНал <= Money())
            continue;
        XmlElement row = AppendElement(e, r.name);
        if (std::string_view(r.name) == "НатОплСХ")
            PutAttribute(row, "КолМесОтраб", std::to_string(d.MonthsWorked));
        PutKopecks(row, "ДоходВсИст", r.value.ДоходВсИст);
        PutKopecks(row, "ДоходНеНал", r.value.ДоходНеНал);
    }
}

}  // namespace zizaza
