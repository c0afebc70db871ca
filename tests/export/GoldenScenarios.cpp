#include "GoldenScenarios.h"

#include "support/DeclarationBuilder.h"

namespace zizaza::exporttest {
namespace {

using namespace testsupport;

void SetPerson(mTDeclaration& d, const char* surname, const char* firstName, const char* patronymic, const char* inn) {
    d.InspectionCode = "7705";
    d.InspectionName = "ИФНС России № 5 по г. Москве";
    mTPersonInformation& p = d.Person;
    p.Name.Surname = surname;
    p.Name.FirstName = firstName;
    p.Name.Patronymic = patronymic;
    p.Name.Inn = inn;
    p.Document.KindCode = 21;
    p.Document.SeriesNumber = "45 10 654321";
    p.Document.IssueDate = Date::Ymd(2010, 9, 14);
    p.Document.BirthDate = Date::Ymd(1975, 4, 3);
    p.Document.IssuedBy = "Отделением УФМС России по г. Москве";
    p.Document.BirthPlace = "гор. Москва";
    p.HomePhone.Number = "+7 495 123-45-67";
}

// The taxable amount and tax the user copies from the employer's certificate.
void CopyCertificate(mTThirteenPercent& source) {
    source.TaxableAmount = source.TotalIncome();
    source.TaxComputed = Money::Roubles(source.TotalIncome().WholeRoubles() * 13 / 100);
}

// A salaried resident buying a flat with a mortgage, with one child.
std::unique_ptr<mTDeclaration> SalariedFlatMortgage() {
    auto d = NewDeclaration(kForm3Ndfl, kIncomeRussia, "45383000");
    SetPerson(*d, "Кузнецова", "Мария", "Андреевна", "770512345678");
    mTThirteenPercent& job = AddSource13(*d, "45383000", Rub(78000), true, "ООО \"Ромашка\"");
    AddMonthlyLines(job, 2000, Rub(50000));
    CopyCertificate(job);
    d->StandardDeductions.Granted = true;
    d->StandardDeductions.SetChildrenCount(1);
    d->PropertyDeductions.Granted = true;
    mTConstructionDeductObj& flat = AddPropertyObject(*d, Rub(4500000), Amount("212345.67"), 2016);
    flat.Place = "г. Москва, ул. Профсоюзная, д. 7, кв. 12";
    return d;
}

// A resident with children, treatment, education, charity and a pension contract; without INN.
std::unique_ptr<mTDeclaration> FamilySocial() {
    auto d = NewDeclaration(kForm3Ndfl, kIncomeRussia, "45383000");
    SetPerson(*d, "Смирнов", "Олег", "", "");
    d->Person.Foreigner.CountryCode = "643";
    mTThirteenPercent& job = AddSource13(*d, "45383000", Rub(156000), true, "АО \"Завод\"");
    AddMonthlyLines(job, 2000, Rub(100000));
    CopyCertificate(job);
    d->StandardDeductions.Granted = true;
    d->StandardDeductions.SetChildrenCount(2);
    mTSocialDeduct& s = d->SocialDeductions;
    s.Granted = true;
    s.Charity = Rub(10000);
    s.OwnEducation = Rub(40000);
    s.Medical = Rub(35000);
    s.ExpensiveMedical = Rub(200000);
    s.AddChildEducation(Rub(60000));
    mTPens& pension = s.Contract(s.AddContract());
    pension.OrganizationName = "АО \"НПФ Будущее\"";
    pension.Inn = "7701000001";
    pension.Kpp = "770101001";
    pension.ContractNumber = "П-2017/15";
    pension.ContractDate = Date::Ymd(2016, 11, 1);
    pension.ContractKind = 1;
    pension.Contribution = Rub(24000);
    pension.ContributionToDeduct = Rub(24000);
    mTPens& extra = s.Contract(s.AddContract());
    extra = pension;
    extra.ContractKind = 4;
    extra.OrganizationName = "ПФР";
    extra.ContractNumber = "-";
    extra.Contribution = Rub(6000);
    extra.ContributionToDeduct = Rub(6000);
    return d;
}

// A flat owned less than three years sold; a flat bought after 2016 sold below its cadastral value.
std::unique_ptr<mTDeclaration> FlatSale() {
    auto d = NewDeclaration(kForm3Ndfl, kIncomeRussia, "46000000");
    SetPerson(*d, "Орлов", "Игорь", "Петрович", "500112345678");
    mTThirteenPercent& job = AddSource13(*d, "46000000", Rub(39000), true);
    AddMonthlyLines(job, 2000, Rub(25000));
    CopyCertificate(job);
    mTThirteenPercent& buyer = AddSource13(*d, "46000000", Rub(0), false, "Сидоров Алексей Петрович");
    buyer.Inn = "";
    buyer.Kpp = "";
    AddLine(buyer, 1510, Rub(2500000), 5, 901, Rub(1000000));
    mTThirteenPercent& second = AddSource13(*d, "46000000", Rub(0), false, "Белов Б. Б.");
    second.Inn = "500198765432";
    second.Kpp = "";
    mTSourseIncome sale;
    sale.IncomeCode = 1510;
    sale.IncomeAmount = Rub(3000000);
    sale.Month = 9;
    sale.DeductionCode = 903;
    sale.DeductionAmount = Rub(2900000);
    sale.AcquiredAfter2016 = true;
    sale.CadastralNumber = "50:21:0010101:77";
    sale.CadastralValue = Rub(5000000);
    sale.ContractPrice = Rub(3000000);
    second.AddLine(sale);
    d->StandardDeductions.Granted = false;
    return d;
}

// Foreign dividends and interest with tax paid abroad; Russian dividends, a 9% source, prizes.
std::unique_ptr<mTDeclaration> ForeignDividends() {
    auto d = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeForeign, "45383000");
    SetPerson(*d, "Волков", "Денис", "Сергеевич", "771234567890");
    d->StandardDeductions.Granted = false;
    AddDividendSource(*d, "45383000", Rub(20000), Rub(20000), Rub(2600), Rub(2600));
    AddSource9(*d, "45383000", Rub(10000), Rub(900));
    AddSource35(*d, "45383000", 2740, Rub(30000), Rub(9100), 502, Rub(4000));
    AddSource35(*d, "45383000", 2620, Rub(5000), Rub(1750));
    mTCurrencyIncome& div = AddForeignIncome(*d, 13, 1010, Rub(59085), Rub(5909));
    div.SourceName = "Apple Inc.";
    div.CountryCode = "840";
    div.CurrencyCode = "840";
    div.IncomeDate = Date::Ymd(2017, 5, 18);
    div.TaxPaymentDate = Date::Ymd(2017, 5, 18);
    mTCurrencyIncome& interest = AddForeignIncome(*d, 13, 1011, Amount("1234.56"), Rub(0));
    interest.SourceName = "Deutsche Bank AG";
    interest.CountryCode = "276";
    interest.CurrencyCode = "978";
    interest.IncomeDate = Date::Ymd(2017, 12, 29);
    mTCurrencyIncome& cfc = AddForeignIncome(*d, 13, 1000, Rub(100000), Rub(0));
    cfc.SourceName = "Cyprus Holding Ltd";
    cfc.CountryCode = "196";
    cfc.CurrencyCode = "978";
    cfc.CfcNumber = "1";
    cfc.CfcProfitRule = CfcProfitRule::ByStatements;
    return d;
}

// An entrepreneur with the 20% norm, a farm head's data and a corrected base.
std::unique_ptr<mTDeclaration> EntrepreneurNorm() {
    auto d = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeBusiness, "45383000");
    SetPerson(*d, "Федоров", "Павел", "Олегович", "772345678901");
    d->TaxpayerCategory = TaxpayerCategory::Entrepreneur;
    d->StandardDeductions.Granted = false;
    AddBusiness(*d, Rub(1200000), Rub(240000), false);
    mTBusinessNew& consulting = AddBusiness(*d, Rub(300000), Rub(120000), true);
    consulting.ActivityKind = "2";
    consulting.MaterialExpenses = Rub(20000);
    consulting.OtherExpenses = Rub(100000);
    d->ActualPrepayments = Rub(50000);
    d->AccruedPrepayments = Rub(60000);
    d->IsFarm = 1;
    d->FarmRegistrationDate = Date::Ymd(2015, 3, 10);
    d->FarmExemptIncome = Rub(100000);
    d->CorrectedBase = Amount("12345.67");
    d->CorrectedTax = Rub(1605);
    return d;
}

// A securities investor with an investment account, losses carried forward and a partnership.
std::unique_ptr<mTDeclaration> SecuritiesInvestor() {
    auto d = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeInvestTov, "45383000");
    SetPerson(*d, "Зайцев", "Артём", "Викторович", "773456789012");
    d->StandardDeductions.Granted = false;
    mTThirteenPercent& broker = AddSource13(*d, "45383000", Rub(5000), false, "АО \"Брокер\"");
    AddLine(broker, 1530, Rub(500000), 6, 201, Rub(300000));
    AddLine(broker, 1532, Rub(80000), 7, 206, Rub(100000));
    AddLine(broker, 1531, Rub(40000), 8, 202, Rub(10000));
    mTThirteenPercent& iis = AddSource13(*d, "45383000", Rub(0), false, "АО \"Брокер ИИС\"");
    AddLine(iis, 1544, Rub(150000), 11, 225, Rub(100000));
    d->SecuritiesDeductions.SecuritiesLoss(2015) = Rub(60000);
    d->SecuritiesDeductions.DerivativesLoss(2016) = Rub(15000);
    d->IisDeductions.SecuritiesLoss(2016) = Rub(20000);
    d->InvestmentDeductionZ = Rub(30000);
    d->InvestmentDeductionE2 = Rub(400000);
    mTInvestTov& tov = d->InvestPartnershipIncome(d->AddInvestPartnershipIncome());
    tov.Inn = "7703000003";
    tov.Kpp = "770301001";
    tov.Oktmo = "45383000";
    tov.Name = "ООО \"Управляющий товарищ\"";
    mTInvestTovIncome kind1;
    kind1.OperationKind = 1;
    kind1.Income = Rub(70000);
    kind1.ExpenseShare = Rub(20000);
    kind1.ManagementExpenses = Rub(5000);
    tov.AddLine(kind1);
    mTInvestTovIncome exit;
    exit.OperationKind = 6;
    exit.Income = Rub(50000);
    exit.ExpenseShare = Rub(80000);
    tov.AddLine(exit);
    d->InvestmentDeductionI = Rub(10000);
    return d;
}

// A non-resident with 30% and 15% incomes, a civil contract at 13% and a representative.
std::unique_ptr<mTDeclaration> NonResident() {
    auto d = NewDeclaration(kForm3NdflNonResident, kIncomeRussia, "45383000");
    SetPerson(*d, "Mueller", "Hans", "", "");
    d->Person.Document.KindCode = 10;
    d->Person.Document.SeriesNumber = "C01X00T47";
    d->Person.Document.IssuedBy = "Stadt Koeln";
    d->Person.Foreigner.CountryCode = "276";
    d->Person.Foreigner.CountryName = "ГЕРМАНИЯ";
    d->Person.Foreigner.AddressAbroad = "Koeln, Domkloster 4";
    d->SignerKind = SignerKind::Representative;
    d->RepresentativeName = "Сидоров Алексей Петрович Оглы";
    d->RepresentativeDocument = "Доверенность № 77 АБ 1234567 от 10.01.2018";
    d->TaxpayerCategory = TaxpayerCategory::Other;
    mTThirteenPercent& contract = AddNonResidentSource13(*d, "45383000", Rub(13000));
    AddLine(contract, 2010, Rub(150000), 4, 403, Rub(50000));
    mTThirteenPercent& rent = AddSource13(*d, "45383000", Rub(60000), false, "ООО \"Аренда\"");
    AddLine(rent, 1400, Rub(200000), 3);
    AddDividendSource(*d, "45383000", Amount("1003.40"), Amount("1003.40"), Rub(0), Rub(150));
    d->ForeignerFixedPayments = Rub(1000);
    return d;
}

// 4-NDFL of an entrepreneur represented by an organisation.
std::unique_ptr<mTDeclaration> EstimatedIncome4() {
    auto d = NewDeclaration(kForm4Ndfl, kIncomeRussia, "45383000");
    SetPerson(*d, "Лебедев", "Кирилл", "", "774567890123");
    d->TaxpayerCategory = TaxpayerCategory::Entrepreneur;
    d->EstimatedIncome = Rub(500000);
    d->SignerKind = SignerKind::RepresentativeOrganization;
    d->RepresentativeName = "Петрова Анна";
    d->RepresentativeDocument = "Доверенность № 5";
    d->RepresentativeOrganization = "ООО \"Бухгалтер & партнёры\"";
    return d;
}

// Names that need escaping, exempt material aid, a 9% source only at a foreign payer, and the
// professional deductions of both sheets; a correction.
std::unique_ptr<mTDeclaration> EscapedNamesAndExempt() {
    auto d = NewDeclaration(kForm3Ndfl, kIncomeRussia | kIncomeForeign, "45383000");
    SetPerson(*d, "O'Брайен \"<&>\"", "Шон", "", "775678901234");
    d->CorrectionNumber = 1;
    d->Person.Document.KindCode = 0;
    d->StandardDeductions.Granted = false;
    mTThirteenPercent& job = AddSource13(*d, "45383000", Rub(26000), false, "ООО \"Рога & Копыта\" <Юг>");
    AddLine(job, 2000, Rub(200000), 2);
    CopyCertificate(job);
    AddLine(job, 2760, Rub(10000), 3, 503, Rub(4000));
    AddLine(job, 2010, Rub(100000), 4, 403, Rub(120000));
    AddLine(job, 1540, Rub(900000), 5, 905, Rub(200000));
    mTCurrencyIncome& royalty = AddForeignIncome(*d, 13, 1540, Rub(300000), Rub(0), 905, Rub(100000));
    royalty.SourceName = "Kazakh Partner LLP";
    royalty.CountryCode = "398";
    royalty.CurrencyCode = "398";
    return d;
}

}  // namespace

const std::vector<GoldenScenario>& GoldenScenarios() {
    static const std::vector<GoldenScenario> scenarios = {
        {"salaried_flat_mortgage", SalariedFlatMortgage},
        {"family_social_no_inn", FamilySocial},
        {"flat_sale_cadastral", FlatSale},
        {"foreign_dividends", ForeignDividends},
        {"entrepreneur_norm", EntrepreneurNorm},
        {"securities_investor", SecuritiesInvestor},
        {"non_resident", NonResident},
        {"estimated_income_4ndfl", EstimatedIncome4},
        {"escaped_names_exempt", EscapedNamesAndExempt},
    };
    return scenarios;
}

}  // namespace zizaza::exporttest
