#include "support/DeclarationBuilder.h"

#include "storage/mTDocumentStorage.h"
#include "storage/mTFileLoader.h"

#include <iterator>

#include <stdexcept>

namespace zizaza::testsupport {

Money Amount(const char* text) {
    auto m = Money::Parse(text);
    if (!m)
        throw std::invalid_argument(std::string("not an amount: ") + text);
    return *m;
}

std::unique_ptr<mTDeclaration> NewDeclaration(DeclarationForm form, uint16_t incomeFlags,
                                              const std::string& personOktmo) {
    auto doc = std::make_unique<mTDeclaration>();
    doc->DocumentDate = Date::Ymd(2018, 3, 1);
    doc->DeclarationForm = form;
    doc->SetIncomeFlags(incomeFlags);
    doc->Person.Address.Oktmo = personOktmo;
    return doc;
}

namespace {

void fillSource(mTSourseIncomeInfo& s, const std::string& oktmo, Money taxWithheld, const std::string& name) {
    s.Inn = "7701234567";
    s.Kpp = "770101001";
    s.Oktmo = oktmo;
    s.Name = name;
    s.TaxWithheld = taxWithheld;
}

}  // namespace

mTThirteenPercent& AddSource13(mTDeclaration& doc, const std::string& oktmo, Money taxWithheld, bool workplace,
                               const std::string& name) {
    mTThirteenPercent& s = doc.ResidentIncome13(doc.AddResidentIncome13());
    fillSource(s, oktmo, taxWithheld, name);
    s.WorkplaceFlag = workplace;
    return s;
}

mTThirteenPercent& AddNonResidentSource13(mTDeclaration& doc, const std::string& oktmo, Money taxWithheld) {
    mTThirteenPercent& s = doc.NonResidentIncome13(doc.AddNonResidentIncome13());
    fillSource(s, oktmo, taxWithheld, "ООО \"Ромашка\"");
    return s;
}

void AddLine(mTThirteenPercent& source, int32_t incomeCode, Money income, uint16_t month, int32_t deductionCode,
             Money deduction) {
    mTSourseIncome line;
    line.IncomeCode = incomeCode;
    line.IncomeAmount = income;
    line.Month = month;
    line.DeductionCode = deductionCode;
    line.DeductionAmount = deduction;
    source.AddLine(line);
}

void AddMonthlyLines(mTThirteenPercent& source, int32_t incomeCode, Money income, uint16_t first, uint16_t last) {
    for (uint16_t m = first; m <= last; ++m)
        AddLine(source, incomeCode, income, m);
}

mTThirtyPercent& AddDividendSource(mTDeclaration& doc, const std::string& oktmo, Money income, Money taxable,
                                   Money taxComputed, Money taxWithheld) {
    mTThirtyPercent& s = doc.Income30(doc.AddIncome30());
    fillSource(s, oktmo, taxWithheld, "ПАО \"Дивиденд\"");
    s.IncomeCode = 1010;
    s.TotalIncome = income;
    s.TaxableAmount = taxable;
    s.TaxComputed = taxComputed;
    return s;
}

mTThirtyPercent& AddSource9(mTDeclaration& doc, const std::string& oktmo, Money income, Money taxWithheld) {
    mTThirtyPercent& s = doc.Income9(doc.AddIncome9());
    fillSource(s, oktmo, taxWithheld, "ООО \"Облигация\"");
    s.IncomeCode = 1011;
    s.TotalIncome = income;
    s.TaxableAmount = income;
    return s;
}

mTThirtyFivePercent& AddSource35(mTDeclaration& doc, const std::string& oktmo, int32_t incomeCode, Money income,
                                 Money taxWithheld, int32_t deductionCode, Money deduction) {
    mTThirtyFivePercent& s = doc.Income35(doc.AddIncome35());
    fillSource(s, oktmo, taxWithheld, "АО \"Приз\"");
    s.IncomeCode = incomeCode;
    s.TotalIncome = income;
    s.DeductionCode = deductionCode;
    s.DeductionAmount = deduction;
    return s;
}

mTCurrencyIncome& AddForeignIncome(mTDeclaration& doc, int32_t rateCode, int32_t incomeCode, Money incomeRoubles,
                                   Money taxRoubles, int32_t deductionCode, Money deduction) {
    mTCurrencyIncome& r = doc.CurrencyIncome(doc.AddCurrencyIncome());
    r.RateCode = rateCode;
    r.IncomeCode = incomeCode;
    r.SourceName = "Foreign Payer Ltd";
    r.CountryCode = "840";
    r.CurrencyCode = "840";
    r.CurrencyName = "Доллар США";
    r.IncomeRate = Rub(1);
    r.IncomeUnits = 1;
    r.TaxRate = Rub(1);
    r.TaxUnits = 1;
    r.SetIncomeInCurrency(incomeRoubles);
    r.SetTaxInCurrency(taxRoubles);
    r.DeductionCode = deductionCode;
    r.DeductionAmount = deduction;
    return r;
}

mTBusinessNew& AddBusiness(mTDeclaration& doc, Money income, Money expenses, bool itemized) {
    mTBusinessNew& b = doc.BusinessIncome(doc.AddBusinessIncome());
    b.ActivityKind = "1";
    b.OkvedCode = "62.01";
    b.Itemized = itemized;
    b.Income = income;
    if (itemized) {
        b.ExpensesTotal = expenses;
        b.OtherExpenses = expenses;
    } else {
        b.NormExpenses = expenses;
    }
    return b;
}

mTConstructionDeductObj& AddPropertyObject(mTDeclaration& doc, Money cost, Money interest, int year,
                                           int32_t shareNumerator, int32_t shareDenominator) {
    auto o = std::make_unique<mTConstructionDeductObj>();
    o->ObjectKind = PropertyObjectKind::Flat;
    o->OwnershipKind = shareDenominator > 1 ? PropertyOwnership::Shared : PropertyOwnership::Individual;
    o->Number = "77:01:0001001:1001";
    o->Place = "г. Москва, ул. Тверская, д. 1, кв. 1";
    o->NumberKind = PropertyNumberKind::Cadastral;
    o->TaxpayerSign = PropertyTaxpayerSign::Owner;
    o->OwnershipRegistrationDate = Date::Ymd(year, 6, 15);
    o->FirstYearOfUse = Date::Ymd(2017, 1, 1);
    o->ShareNumerator = shareNumerator;
    o->ShareDenominator = shareDenominator;
    o->Cost = cost;
    o->Interest = interest;
    return doc.PropertyDeductions.Object(doc.PropertyDeductions.AddObject(std::move(o)));
}

void WriteEarlierEdition(const std::string& file, std::string_view documentName, const mTDeclaration& doc) {
    const std::string header[] = {"@TavoInfo", doc.InspectionCode, "Инспекция", "ООО \"Ромашка\""};
    uint32_t size = 60 + static_cast<uint32_t>(doc.Person.ComputeSize());
    for (const std::string& text : header)
        size += mTDocumentStorage::StringFieldSize(text);
    mTFileLoader loader(file, size, false);
    mTDocumentStorage storage(&loader);
    storage.CreateStorage(documentName);
    storage.OpenStreamForWrite(header[0]);
    for (size_t i = 1; i < std::size(header); ++i)
        storage.WriteString(header[i]);
    doc.Person.SaveToStorage(storage);
    loader.Commit();
}

}  // namespace zizaza::testsupport
