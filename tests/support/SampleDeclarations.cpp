#include "support/SampleDeclarations.h"

#include "support/DeclarationBuilder.h"

namespace zizaza::testsupport {
namespace {

// Taxpayer data every sample shares.
std::unique_ptr<mTDeclaration> person(DeclarationForm form, uint16_t flags, const std::string& oktmo = "45000000") {
    auto doc = NewDeclaration(form, flags, oktmo);
    doc->InspectionCode = "7701";
    doc->Person.Name.Surname = "Петрова";
    doc->Person.Name.FirstName = "Анна";
    doc->Person.Name.Patronymic = "Сергеевна";
    doc->Person.Name.Inn = "500100732259";
    return doc;
}

// 80000 a month from the employer with 13% withheld; a flat bought in 2016 with a mortgage, most
// of its deduction taken in earlier years.
std::unique_ptr<mTDeclaration> salariedFlatMortgage() {
    auto doc = person(kForm3Ndfl, kIncomeRussia);
    AddMonthlyLines(AddSource13(*doc, "45000000", Rub(124800), true), 2000, Rub(80000));
    auto& pd = doc->PropertyDeductions;
    pd.Granted = true;
    pd.PreviousYearsPurchase = Rub(1800000);
    AddPropertyObject(*doc, Rub(3000000), Rub(150000), 2016);
    return doc;
}

// 40000 a month, two children, treatment, own education and a child's education above 50000.
std::unique_ptr<mTDeclaration> childrenTreatmentEducation() {
    auto doc = person(kForm3Ndfl, kIncomeRussia, "46000000");
    AddMonthlyLines(AddSource13(*doc, "46000000", Rub(62400), true), 2000, Rub(40000));
    doc->StandardDeductions.SetChildrenCount(2);
    auto& sd = doc->SocialDeductions;
    sd.Granted = true;
    sd.Medical = Rub(50000);
    sd.OwnEducation = Rub(60000);
    sd.AddChildEducation(Rub(60000));
    return doc;
}

// A flat owned less than three years sold for 2500000 with the fixed deduction, and a salary.
std::unique_ptr<mTDeclaration> flatSaleShortOwnership() {
    auto doc = person(kForm3Ndfl, kIncomeRussia);
    AddMonthlyLines(AddSource13(*doc, "45000000", Rub(78000), true), 2000, Rub(50000));
    mTThirteenPercent& buyer = AddSource13(*doc, "", Rub(0), false, "Сидоров Петр Иванович");
    buyer.Inn = "";
    buyer.Kpp = "";
    AddLine(buyer, 1510, Rub(2500000), 5, 901);
    return doc;
}

// Dividends of a Russian company taxed by it, and of a foreign one with tax paid abroad.
std::unique_ptr<mTDeclaration> foreignDividends() {
    auto doc = person(kForm3Ndfl, kIncomeRussia | kIncomeForeign);
    AddDividendSource(*doc, "45000000", Rub(20000), Rub(20000), Rub(2600), Rub(2600));
    mTCurrencyIncome& r = doc->CurrencyIncome(doc->AddCurrencyIncome());
    r.RateCode = 14;
    r.IncomeCode = 1010;
    r.IncomeName = "Дивиденды";
    r.SourceName = "Apple Inc.";
    r.CountryCode = "840";
    r.CurrencyCode = "840";
    r.CurrencyName = "Доллар США";
    r.IncomeDate = Date::Ymd(2017, 5, 18);
    r.TaxPaymentDate = Date::Ymd(2017, 5, 18);
    r.IncomeRate = Amount("60");
    r.IncomeUnits = 1;
    r.TaxRate = Amount("59.5");
    r.TaxUnits = 1;
    r.SetIncomeInCurrency(Rub(1500));  // 90000 roubles
    r.SetTaxInCurrency(Rub(150));      // 8925 roubles
    return doc;
}

// A salary with a flat bought on a mortgage, and dividends of two foreign companies in two
// currencies with tax paid abroad: the property deduction refunds the salary's tax while the
// dividends leave a little to pay.
std::unique_ptr<mTDeclaration> flatMortgageForeignDividends() {
    auto doc = person(kForm3Ndfl, kIncomeRussia | kIncomeForeign);
    AddMonthlyLines(AddSource13(*doc, "45000000", Rub(124800), true), 2000, Rub(80000));
    auto& pd = doc->PropertyDeductions;
    pd.Granted = true;
    pd.PreviousYearsPurchase = Rub(1200000);
    AddPropertyObject(*doc, Rub(3000000), Rub(150000), 2016);
    struct Dividend {
        const char* source;
        const char* country;
        const char* currency;
        const char* currencyName;
        int month;
        const char* rate;
        int64_t amount;
        int64_t tax;
    };
    const Dividend dividends[] = {{"Apple Inc.", "840", "840", "Доллар США", 2, "58.5", 500, 50},
                                  {"Apple Inc.", "840", "840", "Доллар США", 5, "56.4", 520, 52},
                                  {"Siemens AG", "276", "978", "Евро", 7, "67.2", 300, 79}};
    for (const Dividend& d : dividends) {
        mTCurrencyIncome& r = doc->CurrencyIncome(doc->AddCurrencyIncome());
        r.RateCode = 14;
        r.IncomeCode = 1010;
        r.IncomeName = "Дивиденды";
        r.SourceName = d.source;
        r.CountryCode = d.country;
        r.CurrencyCode = d.currency;
        r.CurrencyName = d.currencyName;
        r.IncomeDate = Date::Ymd(2017, d.month, 15);
        r.TaxPaymentDate = Date::Ymd(2017, d.month, 15);
        r.IncomeRate = Amount(d.rate);
        r.IncomeUnits = 1;
        r.TaxRate = Amount(d.rate);
        r.TaxUnits = 1;
        r.SetIncomeInCurrency(Rub(d.amount));
        r.SetTaxInCurrency(Rub(d.tax));
    }
    return doc;
}

// An entrepreneur without documented expenses: the 20% norm, advances paid during the year.
std::unique_ptr<mTDeclaration> entrepreneurNorm() {
    auto doc = person(kForm3Ndfl, kIncomeRussia | kIncomeBusiness);
    doc->TaxpayerCategory = TaxpayerCategory::Entrepreneur;
    AddBusiness(*doc, Rub(1000000), Rub(200000), false);
    doc->ActualPrepayments = Rub(60000);
    doc->AccruedPrepayments = Rub(60000);
    return doc;
}

// Sales of traded securities at a broker and on an investment account, a loss of 2015 carried,
// a salary, and the investment deduction for the contribution to the account.
std::unique_ptr<mTDeclaration> securitiesInvestmentAccount() {
    auto doc = person(kForm3Ndfl, kIncomeRussia);
    mTThirteenPercent& broker = AddSource13(*doc, "45000000", Rub(27300), false, "АО \"Брокер\"");
    AddLine(broker, 1530, Rub(500000), 6, 201, Rub(300000));
    AddLine(broker, 1544, Rub(100000), 11, 225, Rub(90000));
    AddMonthlyLines(AddSource13(*doc, "46000000", Rub(130000), true), 2000, Amount("83333.33"), 1, 11);
    AddLine(doc->ResidentIncome13(1), 2000, Amount("83333.37"), 12);  // 1000000 a year
    doc->SecuritiesDeductions.SecuritiesLoss(2015) = Rub(50000);
    doc->InvestmentDeductionE2 = Rub(400000);
    return doc;
}

// A non-resident: services at 30% under-withheld at 13%, Russian dividends at 15% and a salary of
// a highly qualified specialist at 13%.
std::unique_ptr<mTDeclaration> nonResident30And15() {
    auto doc = person(kForm3NdflNonResident, kIncomeRussia, "45383000");
    doc->Person.Foreigner.CountryCode = "276";
    doc->Person.Foreigner.CountryName = "ГЕРМАНИЯ";
    AddLine(AddSource13(*doc, "45000000", Rub(26000)), 2010, Rub(200000), 4);
    AddDividendSource(*doc, "45000000", Rub(50000), Rub(50000), Rub(6500), Rub(6500));
    AddMonthlyLines(AddNonResidentSource13(*doc, "46000000", Rub(39000)), 2000, Rub(25000));
    return doc;
}

// A salary and a shop paying the trade fee: the fee is credited up to the tax on the shop's
// income, so nothing is left to pay or to refund.
std::unique_ptr<mTDeclaration> entrepreneurTradeFee() {
    auto doc = person(kForm3Ndfl, kIncomeRussia | kIncomeBusiness);
    doc->TaxpayerCategory = TaxpayerCategory::Entrepreneur;
    AddLine(AddSource13(*doc, "45000000", Rub(13000), true), 2000, Rub(100000), 3);
    AddBusiness(*doc, Rub(100000), Rub(20000), false);
    doc->TradeFee = Rub(20000);
    return doc;
}

// Two flats and a share in a third sold within the minimum term: the three sales share one
// fixed deduction of 1000000.
std::unique_ptr<mTDeclaration> housingSalesSharedLimit() {
    auto doc = person(kForm3Ndfl, kIncomeRussia);
    AddMonthlyLines(AddSource13(*doc, "45000000", Rub(78000), true), 2000, Rub(50000));
    mTThirteenPercent& buyer = AddSource13(*doc, "", Rub(0), false, "Сидоров Петр Иванович");
    buyer.Inn = "";
    buyer.Kpp = "";
    AddLine(buyer, 1510, Rub(300000), 3, 901);
    AddLine(buyer, 1510, Rub(300000), 5, 901);
    AddLine(buyer, 1511, Rub(500000), 9, 904, Rub(400000));
    return doc;
}

// A flat of 2016 whose purchase deduction was taken in earlier years, and 4000000 of mortgage
// interest, of which 3000000 can ever be deducted.
std::unique_ptr<mTDeclaration> mortgageInterestCap() {
    auto doc = person(kForm3Ndfl, kIncomeRussia);
    AddMonthlyLines(AddSource13(*doc, "45000000", Rub(84500), true), 2000, Amount("54166.67"), 1, 11);
    AddLine(doc->ResidentIncome13(0), 2000, Amount("54166.63"), 12);  // 650000 a year
    auto& pd = doc->PropertyDeductions;
    pd.Granted = true;
    pd.PreviousYearsPurchase = Rub(2000000);
    AddPropertyObject(*doc, Rub(2000000), Rub(4000000), 2016);
    return doc;
}

// A flat of 2012, of whose 1200000 the deduction of earlier years took 900000, and a flat of 2016:
// the purchase deduction of the rules before 2014 was the one of a life, so only the 300000 left
// of the first flat are deducted, and the second gets nothing.
std::unique_ptr<mTDeclaration> flatsBeforeAndAfter2014() {
    auto doc = person(kForm3Ndfl, kIncomeRussia);
    AddMonthlyLines(AddSource13(*doc, "45000000", Rub(124800), true), 2000, Rub(80000));
    auto& pd = doc->PropertyDeductions;
    pd.Granted = true;
    pd.PreviousYearsPurchase = Rub(900000);
    mTConstructionDeductObj& old = AddPropertyObject(*doc, Rub(1200000), Rub(0), 2012);
    old.FirstYearOfUse = Date::Ymd(2013, 1, 1);
    old.Number = "77:01:0002002:2002";
    old.Place = "г. Москва, ул. Лесная, д. 5, кв. 12";
    AddPropertyObject(*doc, Rub(3000000), Rub(0), 2016);
    return doc;
}

// A flat abroad sold at a loss and a flat in Russia sold at a gain, both with their expenses: the
// loss abroad does not reduce the gain at home.
std::unique_ptr<mTDeclaration> flatSalesForeignLoss() {
    auto doc = person(kForm3Ndfl, kIncomeRussia | kIncomeForeign);
    mTThirteenPercent& buyer = AddSource13(*doc, "", Rub(0), false, "Сидоров Петр Иванович");
    buyer.Inn = "";
    buyer.Kpp = "";
    AddLine(buyer, 1510, Rub(1752556), 7, 903, Rub(752556));
    mTCurrencyIncome& r = doc->CurrencyIncome(doc->AddCurrencyIncome());
    r.RateCode = 13;
    r.IncomeCode = 1510;
    r.IncomeName = "Доходы от продажи недвижимого имущества";
    r.SourceName = "Hans Becker";
    r.CountryCode = "276";
    r.CurrencyCode = "978";
    r.CurrencyName = "Евро";
    r.IncomeDate = Date::Ymd(2017, 4, 12);
    r.TaxPaymentDate = Date::Ymd(2017, 4, 12);
    r.IncomeRate = Amount("60");
    r.IncomeUnits = 1;
    r.TaxRate = Amount("60");
    r.TaxUnits = 1;
    r.SetIncomeInCurrency(Rub(100000));  // 6000000 roubles
    r.SetTaxInCurrency(Rub(0));
    r.DeductionCode = 903;
    r.DeductionAmount = Rub(6752556);
    return doc;
}

// A car and a share in a company sold within three years with the fixed deductions: both are other
// property, with one 250000 between them.
std::unique_ptr<mTDeclaration> carAndCompanyShare() {
    auto doc = person(kForm3Ndfl, kIncomeRussia);
    mTThirteenPercent& buyer = AddSource13(*doc, "", Rub(0), false, "Сидоров Петр Иванович");
    buyer.Inn = "";
    buyer.Kpp = "";
    AddLine(buyer, 1520, Rub(300000), 4, 906, Rub(250000));
    AddLine(AddSource13(*doc, "45000000", Rub(0), false, "ООО \"Вектор\""), 1540, Rub(400000), 6, 905, Rub(250000));
    return doc;
}

// An estimate of next year's income: nothing is computed.
std::unique_ptr<mTDeclaration> estimatedIncome4Ndfl() {
    auto doc = person(kForm4Ndfl, kIncomeBusiness);
    doc->TaxpayerCategory = TaxpayerCategory::Entrepreneur;
    doc->EstimatedIncome = Rub(500000);
    return doc;
}

// A resident who received nothing: only the line "nothing to pay".
std::unique_ptr<mTDeclaration> residentWithoutIncome() {
    return person(kForm3Ndfl, kIncomeRussia, "45382000");
}

// The declaration builder gives every source the same placeholder INN, whose control digit the
// check refuses; a sample is a declaration the tax service would accept.
void useValidInn(mTSourseIncomeInfo& source) {
    if (source.Inn == "7701234567")
        source.Inn = "7701234560";
}

template <std::unique_ptr<mTDeclaration> (*Build)()>
std::unique_ptr<mTDeclaration> sample() {
    auto doc = Build();
    for (size_t i = 0; i < doc->ResidentIncome13Count(); ++i)
        useValidInn(doc->ResidentIncome13(i));
    for (size_t i = 0; i < doc->NonResidentIncome13Count(); ++i)
        useValidInn(doc->NonResidentIncome13(i));
    for (size_t i = 0; i < doc->Income30Count(); ++i)
        useValidInn(doc->Income30(i));
    return doc;
}

}  // namespace

const std::vector<SampleDeclaration>& SampleDeclarations() {
    static const std::vector<SampleDeclaration> samples = {
        {"salaried_flat_mortgage", "зарплата, квартира в ипотеку", sample<salariedFlatMortgage>},
        {"children_treatment_education", "дети, лечение, обучение", sample<childrenTreatmentEducation>},
        {"flat_sale_short_ownership", "продажа квартиры в собственности менее 3 лет", sample<flatSaleShortOwnership>},
        {"foreign_dividends", "иностранные дивиденды с налогом за рубежом", sample<foreignDividends>},
        {"flat_mortgage_foreign_dividends", "квартира в ипотеку и иностранные дивиденды",
         sample<flatMortgageForeignDividends>},
        {"entrepreneur_norm", "предприниматель с нормативом 20%", sample<entrepreneurNorm>},
        {"securities_investment_account", "ценные бумаги и ИИС", sample<securitiesInvestmentAccount>},
        {"nonresident_30_15", "нерезидент: 30% и 15%", sample<nonResident30And15>},
        {"entrepreneur_trade_fee", "зарплата и торговый сбор", sample<entrepreneurTradeFee>},
        {"housing_sales_shared_limit", "три продажи жилья с общим пределом", sample<housingSalesSharedLimit>},
        {"mortgage_interest_cap", "проценты по ипотеке сверх 3 000 000", sample<mortgageInterestCap>},
        {"flats_before_and_after_2014", "квартиры 2012 и 2016 года: один вычет на покупку",
         sample<flatsBeforeAndAfter2014>},
        {"flat_sales_foreign_loss", "продажа квартиры за рубежом с убытком и квартиры в РФ",
         sample<flatSalesForeignLoss>},
        {"car_and_company_share", "автомобиль и доля в ООО: один предел 250 000", sample<carAndCompanyShare>},
        {"estimated_income_4ndfl", "4-НДФЛ", sample<estimatedIncome4Ndfl>},
        {"resident_without_income", "резидент без доходов", sample<residentWithoutIncome>},
    };
    return samples;
}

}  // namespace zizaza::testsupport
