#include "calc/SheetMath.h"
#include "calc/kTIncomeKindCodes.h"
#include "calc/kTSvodSumList.h"
#include "calc/kTSvodSumList6.h"
#include "calc/kTSvodSumPrilA15.h"
#include "calc/kTSvodSumPrilA35.h"
#include "export/XmlBody3Ndfl.h"
#include "export/XmlExportText.h"
#include "model/IncomeCodes.h"
#include "model/TaxFacts.h"
#include "model/mTDeclaration.h"
#include "storage/TextCodec.h"

#include <array>

namespace zizaza {
namespace {

constexpr size_t kForeignPayerNameLimit = 255;

// The values of a section 2 block that decide whether it is written: all but the three results.
// A block is written when any of its figures is not 0. Each is tested on its own: their sum may
// leave the money range though every one of them fits the file.
bool Written(const kTSvodSumList& s) {
    for (Money v :
         {s.ДоходОбщ, s.ДоходОбщНеНал, s.СумНалВыч, s.ДоходОбщНал, s.СумРасхУм, s.СумДохДивКИК, s.НалБаза, s.Исчисл,
          s.УдержОбщ, s.УдержОбщМВ, s.УплАвФакт, s.ОбщАвУплЗач227_1, s.УплИнПодлЗач, s.УплПатентЗач, s.ТСУплПерЗач})
        if (!v.IsZero())
            return true;
    return false;
}

void WriteTaxBase(XmlElement ndfl3, const kTSvodSumList& s, const char* incomeKind) {
    XmlElement block = AppendElement(ndfl3, "НалБаза");
    PutAttribute(block, "Ставка", s.Ставка);
    PutAttribute(block, "ВидДоход", incomeKind);

    XmlElement base = AppendElement(block, "РасчНалБаза");
    PutKopecks(base, "ДоходОбщ", s.ДоходОбщ);
    PutKopecks(base, "ДоходОбщНеНал", s.ДоходОбщНеНал);
    PutKopecks(base, "ДоходОбщНал", s.ДоходОбщНал);
    PutKopecks(base, "СумНалВыч", s.СумНалВыч);
    PutKopecks(base, "СумРасхУм", s.СумРасхУм);
    PutKopecks(base, "СумДохДивКИК", s.СумДохДивКИК);
    PutKopecks(base, "НалБаза", s.НалБаза);

    XmlElement tax = AppendElement(block, "РасчНалПУ");
    PutWhole(tax, "Исчисл", s.Исчисл);
    PutWhole(tax, "УдержОбщ", s.УдержОбщ);
    PutWhole(tax, "УдержОбщМВ", s.УдержОбщМВ);
    PutWhole(tax, "ТСУплПерЗач", s.ТСУплПерЗач);
    PutWhole(tax, "УплАвФакт", s.УплАвФакт);
    PutWhole(tax, "ОбщАвУплЗач227.1", s.ОбщАвУплЗач227_1);
    PutWhole(tax, "УплИнПодлЗач", s.УплИнПодлЗач);
    PutWhole(tax, "ИсчислУпл", s.ИсчислУпл);
    PutWhole(tax, "УплПатентЗач", s.УплПатентЗач);
    PutWhole(tax, "ПодлУпл", s.ПодлУпл);
    PutWhole(tax, "ПодлВозв", s.ПодлВозв);
}

// A payer without the ten-digit INN and the KPP of a Russian organisation is a natural person
// or a foreign payer.
void WritePayer(XmlElement income, const mTSourseIncomeInfo& source) {
    if (CodePointCount(source.Inn) != 10 && IsBlank(source.Kpp)) {
        XmlElement payer = AppendElement(income, "ИстФЛИн");
        PutAttribute(payer, "ФИОИн", FirstChars(Trim(source.Name), kForeignPayerNameLimit));
        if (!IsBlank(source.Inn))
            PutAttribute(payer, "ИННФЛ", source.Inn);
    } else {
        XmlElement payer = AppendElement(income, "ИстЮЛ");
        PutAttribute(payer, "Наим", source.Name);
        PutAttribute(payer, "ИННЮЛ", source.Inn);
        PutAttribute(payer, "КПП", source.Kpp);
    }
}

void WriteSourceIncome(XmlElement ndfl3, const mTSourseIncomeInfo& source, const std::string& kindCode,
                       const char* rate, Money taxable, Money taxComputed) {
    XmlElement income = AppendElement(ndfl3, "ДоходИстРФ");
    PutAttribute(income, "Ставка", rate);
    PutAttribute(income, "ВидДоход", kindCode);
    if (!IsBlank(source.Oktmo))
        PutAttribute(income, "ОКТМО", source.Oktmo);
    PutKopecks(income, "Доход", source.Income());
    PutKopecks(income, "ДоходОбл", taxable);
    PutWhole(income, "НалИсчисл", taxComputed);
    PutWhole(income, "НалУдерж", source.TaxWithheld);
    WritePayer(income, source);
}

template <class T>
void WriteSources(XmlElement ndfl3, const OwnedList<T>& sources, SourceList list, const XmlFigures& f,
                  const char* rate) {
    size_t index = 0;
    for (const T& s : sources)
        WriteSourceIncome(ndfl3, s, f.kindCodes.Of(list, index++), rate, s.TaxableAmount, s.TaxComputed);
}

}  // namespace

void WriteSection1(XmlElement ndfl3, const XmlFigures& f) {
    for (const bmTList1& line : f.list6.Lines) {
        XmlElement e = AppendElement(ndfl3, "СумНалПу");
        PutAttribute(e, "ПрУплВозв", line.ПрУплВозв);
        PutAttribute(e, "КБК", line.КБК);
        PutAttribute(e, "ОКТМО", line.ОКТМО);
        PutAttribute(e, "ПодлУпл", line.ПрУплВозв == kSignPay ? WholeAmount(line.Amount) : "0");
        PutAttribute(e, "ПодлВозв", line.ПрУплВозв == kSignRefund ? WholeAmount(line.Amount) : "0");
    }
}

void WriteSection2(XmlElement ndfl3, const XmlFigures& f) {
    struct Block {
        const kTSvodSumList& sheet;
        const char* incomeKind;
    };
    const std::array<Block, 7> blocks = {{
        {f.listDiv, "1"},
        {f.listKik, "2"},
        {f.list1, "3"},
        {f.list2, "3"},
        {f.list3, "3"},
        {f.list4, "3"},
        {f.list5, "1"},
    }};
    bool written = false;
    for (const Block& b : blocks) {
        if (Written(b.sheet)) {
            WriteTaxBase(ndfl3, b.sheet, b.incomeKind);
            written = true;
        }
    }
    // The format wants at least one tax base.
    if (!written)
        WriteTaxBase(ndfl3, f.list1, "3");
}

void WriteRussianIncomes(XmlElement ndfl3, const mTDeclaration& d, const XmlFigures& f) {
    Money total35 = f.prilA35.TotalIncome;
    size_t records = d.Income9Count() + d.ResidentIncome13Count() + d.NonResidentIncome13Count() + d.Income30Count() +
                     d.InvestPartnershipIncomeCount();
    if (records == 0 && total35 <= Money())
        return;

    if (d.DeclarationForm == kForm3Ndfl) {
        WriteSources(ndfl3, d.Incomes9(), SourceList::Incomes9, f, RateCode(kRatePercent9));
        WriteSources(ndfl3, d.ResidentIncomes13(), SourceList::ResidentIncomes13, f, RateCode(kRatePercent13));
        WriteSources(ndfl3, d.InvestPartnershipIncomes(), SourceList::InvestPartnerships, f, RateCode(kRatePercent13));
        WriteSources(ndfl3, d.Incomes30(), SourceList::Incomes30, f, RateCode(kRatePercent13));
    } else if (d.DeclarationForm == kForm3NdflNonResident) {
        WriteSources(ndfl3, d.NonResidentIncomes13(), SourceList::NonResidentIncomes13, f, RateCode(kRatePercent13));
        for (size_t i = 0; i < d.Income30Count(); ++i) {
            const mTThirtyPercent& s = d.Income30(i);
            WriteSourceIncome(ndfl3, s, f.kindCodes.Of(SourceList::Incomes30, i), RateCode(kRatePercent15),
                              s.TaxableAmount, f.prilA15.SourceTaxOf(i));
        }
        WriteSources(ndfl3, d.ResidentIncomes13(), SourceList::ResidentIncomes13, f, RateCode(kRatePercent30));
        WriteSources(ndfl3, d.InvestPartnershipIncomes(), SourceList::InvestPartnerships, f, RateCode(kRatePercent30));
    }
    if (d.DeclarationForm == kForm3Ndfl && total35 > Money()) {
        for (size_t i = 0; i < d.Income35Count(); ++i) {
            const mTThirtyFivePercent& s = d.Income35(i);
            const kTSourceTax35 tax = f.prilA35.Source(i);
            if (s.IncomeCode != kIncomeCodeMaterialBenefit)
                WriteSourceIncome(ndfl3, s, f.kindCodes.Of(SourceList::Incomes35, i), RateCode(kRatePercent35),
                                  tax.TaxableAmount, tax.TaxComputed);
        }
    }
}

}  // namespace zizaza
