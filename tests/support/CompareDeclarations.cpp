#include "storage/NumberText.h"
#include "support/RandomDeclaration.h"

#include <sstream>

namespace zizaza::testsupport {
namespace {

std::string show(const std::string& v) {
    return "'" + v + "'";
}
std::string show(Money v) {
    return v.ToText();
}
std::string show(Date v) {
    return GeneralFloatText(v.days());
}
std::string show(bool v) {
    return v ? "true" : "false";
}
template <class T>
std::string show(T v) requires std::is_integral_v<T> {
    return std::to_string(v);
}
template <class T>
std::string show(T v) requires std::is_enum_v<T> {
    return std::to_string(static_cast<std::underlying_type_t<T>>(v));
}

class Comparer {
public:
    explicit Comparer(CompareMode mode) : m_mode(mode) {}

    template <class T>
    void operator()(const std::string& path, const T& a, const T& b) {
        if (!(a == b))
            m_diffs.push_back(path + ": " + show(a) + " != " + show(b));
    }
    // A field that no file holds.
    template <class T>
    void working(const std::string& path, const T& a, const T& b) {
        if (m_mode == CompareMode::All)
            (*this)(path, a, b);
    }
    template <class T, size_t N>
    void array(const std::string& path, const std::array<T, N>& a, const std::array<T, N>& b) {
        for (size_t i = 0; i < N; ++i)
            (*this)(path + "[" + std::to_string(i) + "]", a[i], b[i]);
    }
    // Lists: the counts, then the elements pairwise.
    template <class L, class F>
    void list(const std::string& path, const L& a, const L& b, F each) {
        (*this)(path + ".Count", a.Count(), b.Count());
        for (size_t i = 0; i < std::min(a.Count(), b.Count()); ++i)
            each(path + "[" + std::to_string(i) + "]", a.At(i), b.At(i));
    }

    std::vector<std::string> m_diffs;

private:
    CompareMode m_mode;
};

// The stored fields of a value as texts, in the order of its transfer function.
struct FieldTexts {
    static constexpr bool kLoading = false;
    std::string texts;
    void add(const std::string& t) { texts += t + "|"; }
    void Text(const std::string& v) { add(show(v)); }
    void Integer(const int32_t& v) { add(show(v)); }
    void Flag(const bool& v) { add(show(v)); }
    void Currency(const Money& v) { add(show(v)); }
    void DateTime(const Date& v) { add(show(v)); }
    template <class V, class F>
    void List(const V& list, uint16_t, F each) {
        add("#" + std::to_string(list.size()));
        for (const auto& e : list)
            each(e);
    }
};

std::string saleTexts(const mTTradeSale& s) {
    FieldTexts io;
    recordio::TransferTradeSale(io, s);
    return io.texts;
}

void comparePerson(Comparer& c, const std::string& p, const mTPersonInformation& a, const mTPersonInformation& b) {
    c(p + ".Name.Surname", a.Name.Surname, b.Name.Surname);
    c(p + ".Name.FirstName", a.Name.FirstName, b.Name.FirstName);
    c(p + ".Name.Patronymic", a.Name.Patronymic, b.Name.Patronymic);
    c(p + ".Name.Inn", a.Name.Inn, b.Name.Inn);
    c(p + ".Name.FifthText", a.Name.FifthText, b.Name.FifthText);
    c(p + ".Name.SixthText", a.Name.SixthText, b.Name.SixthText);
    c(p + ".Document.KindCode", a.Document.KindCode, b.Document.KindCode);
    c(p + ".Document.KindName", a.Document.KindName, b.Document.KindName);
    c(p + ".Document.SeriesNumber", a.Document.SeriesNumber, b.Document.SeriesNumber);
    c(p + ".Document.IssueDate", a.Document.IssueDate, b.Document.IssueDate);
    c(p + ".Document.BirthDate", a.Document.BirthDate, b.Document.BirthDate);
    c(p + ".Document.IssuedBy", a.Document.IssuedBy, b.Document.IssuedBy);
    c(p + ".Document.BirthPlace", a.Document.BirthPlace, b.Document.BirthPlace);
    c(p + ".Foreigner.CitizenshipKind", a.Foreigner.CitizenshipKind, b.Foreigner.CitizenshipKind);
    c(p + ".Foreigner.CountryName", a.Foreigner.CountryName, b.Foreigner.CountryName);
    c(p + ".Foreigner.AddressAbroad", a.Foreigner.AddressAbroad, b.Foreigner.AddressAbroad);
    c(p + ".Foreigner.CountryCode", a.Foreigner.CountryCode, b.Foreigner.CountryCode);
    c(p + ".Address.AddressKind", a.Address.AddressKind, b.Address.AddressKind);
    c(p + ".Address.RegionName", a.Address.RegionName, b.Address.RegionName);
    c(p + ".Address.RegionCode", a.Address.RegionCode, b.Address.RegionCode);
    c.array(p + ".Address.Texts", a.Address.Texts, b.Address.Texts);
    c(p + ".Address.Oktmo", a.Address.Oktmo, b.Address.Oktmo);
    auto phone = [&](const std::string& name, const mTPersonPhone& x, const mTPersonPhone& y) {
        c(p + "." + name + ".Code", x.Code, y.Code);
        c(p + "." + name + ".Number", x.Number, y.Number);
    };
    phone("HomePhone", a.HomePhone, b.HomePhone);
    phone("WorkPhone", a.WorkPhone, b.WorkPhone);
    phone("ForeignHomePhone", a.ForeignHomePhone, b.ForeignHomePhone);
    phone("ForeignWorkPhone", a.ForeignWorkPhone, b.ForeignWorkPhone);
    c(p + ".DocumentFlag", a.DocumentFlag, b.DocumentFlag);
}

void compareSource(Comparer& c, const std::string& p, const mTSourseIncomeInfo& a, const mTSourseIncomeInfo& b) {
    c(p + ".Inn", a.Inn, b.Inn);
    c(p + ".Kpp", a.Kpp, b.Kpp);
    c(p + ".Oktmo", a.Oktmo, b.Oktmo);
    c(p + ".Name", a.Name, b.Name);
    c(p + ".TotalIncome", a.Income(), b.Income());
    c(p + ".TaxWithheld", a.TaxWithheld, b.TaxWithheld);
}

void compare13(Comparer& c, const std::string& p, const mTThirteenPercent& a, const mTThirteenPercent& b) {
    compareSource(c, p, a, b);
    c(p + ".WorkplaceFlag", a.WorkplaceFlag, b.WorkplaceFlag);
    c(p + ".TaxComputed", a.TaxComputed, b.TaxComputed);
    c(p + ".TaxableAmount", a.TaxableAmount, b.TaxableAmount);
    c(p + ".NinthValue", a.NinthValue, b.NinthValue);
    for (int m = 0; m < 12; ++m) {
        std::string slot = p + ".Month[" + std::to_string(m) + "]";
        c(slot + ".Filled", a.MonthFilled(m), b.MonthFilled(m));
        c(slot + ".Income", a.MonthIncome(m), b.MonthIncome(m));
    }
    c.list(p + ".Lines", a.Lines(), b.Lines(),
           [&](const std::string& q, const mTSourseIncome& x, const mTSourseIncome& y) {
               c(q + ".IncomeCode", x.IncomeCode, y.IncomeCode);
               c(q + ".IncomeName", x.IncomeName, y.IncomeName);
               c(q + ".IncomeAmount", x.IncomeAmount, y.IncomeAmount);
               c(q + ".DeductionCode", x.DeductionCode, y.DeductionCode);
               c(q + ".DeductionAmount", x.DeductionAmount, y.DeductionAmount);
               c(q + ".DeductionPercent", x.DeductionPercent, y.DeductionPercent);
               c(q + ".Month", x.Month, y.Month);
               c(q + ".AcquiredAfter2016", x.AcquiredAfter2016, y.AcquiredAfter2016);
               c(q + ".CadastralNumber", x.CadastralNumber, y.CadastralNumber);
               c(q + ".CadastralValue", x.CadastralValue, y.CadastralValue);
               c(q + ".ContractPrice", x.ContractPrice, y.ContractPrice);
           });
}

void compare35(Comparer& c, const std::string& p, const mTThirtyFivePercent& a, const mTThirtyFivePercent& b) {
    compareSource(c, p, a, b);
    c(p + ".IncomeCode", a.IncomeCode, b.IncomeCode);
    c(p + ".DeductionCode", a.DeductionCode, b.DeductionCode);
    c(p + ".DeductionAmount", a.DeductionAmount, b.DeductionAmount);
}

void compare30(Comparer& c, const std::string& p, const mTThirtyPercent& a, const mTThirtyPercent& b) {
    compareSource(c, p, a, b);
    c(p + ".IncomeCode", a.IncomeCode, b.IncomeCode);
    c(p + ".TaxComputed", a.TaxComputed, b.TaxComputed);
    c(p + ".TaxableAmount", a.TaxableAmount, b.TaxableAmount);
}

void compareInvest(Comparer& c, const std::string& p, const mTInvestTov& a, const mTInvestTov& b) {
    compareSource(c, p, a, b);
    c(p + ".TaxComputed", a.TaxComputed, b.TaxComputed);
    c(p + ".TaxableAmount", a.TaxableAmount, b.TaxableAmount);
    c.list(p + ".Lines", a.Lines(), b.Lines(),
           [&](const std::string& q, const mTInvestTovIncome& x, const mTInvestTovIncome& y) {
               c(q + ".OperationKind", x.OperationKind, y.OperationKind);
               c(q + ".Income", x.Income, y.Income);
               c(q + ".ExpenseShare", x.ExpenseShare, y.ExpenseShare);
               c(q + ".ManagementExpenses", x.ManagementExpenses, y.ManagementExpenses);
               c(q + ".PastLosses", x.PastLosses, y.PastLosses);
               c(q + ".SixthValue", x.SixthValue, y.SixthValue);
           });
}

void compareCurrency(Comparer& c, const std::string& p, const mTCurrencyIncome& a, const mTCurrencyIncome& b) {
    c(p + ".RateCode", a.RateCode, b.RateCode);
    c(p + ".IncomeCode", a.IncomeCode, b.IncomeCode);
    c(p + ".IncomeName", a.IncomeName, b.IncomeName);
    c(p + ".SourceName", a.SourceName, b.SourceName);
    c(p + ".CountryCode", a.CountryCode, b.CountryCode);
    c(p + ".IncomeDate", a.IncomeDate, b.IncomeDate);
    c(p + ".TaxPaymentDate", a.TaxPaymentDate, b.TaxPaymentDate);
    c(p + ".CurrencyCode", a.CurrencyCode, b.CurrencyCode);
    c(p + ".IncomeRate", a.IncomeRate, b.IncomeRate);
    c(p + ".IncomeUnits", a.IncomeUnits, b.IncomeUnits);
    c(p + ".TaxRate", a.TaxRate, b.TaxRate);
    c(p + ".TaxUnits", a.TaxUnits, b.TaxUnits);
    c(p + ".CurrencyName", a.CurrencyName, b.CurrencyName);
    c(p + ".IncomeInCurrency", a.IncomeInCurrency, b.IncomeInCurrency);
    c(p + ".IncomeInRoubles", a.IncomeInRoubles, b.IncomeInRoubles);
    c(p + ".TaxInCurrency", a.TaxInCurrency, b.TaxInCurrency);
    c(p + ".TaxInRoubles", a.TaxInRoubles, b.TaxInRoubles);
    c(p + ".AutomaticRate", a.AutomaticRate, b.AutomaticRate);
    c(p + ".DeductionCode", a.DeductionCode, b.DeductionCode);
    c(p + ".DeductionAmount", a.DeductionAmount, b.DeductionAmount);
    c(p + ".DeductionPercent", a.DeductionPercent, b.DeductionPercent);
    c(p + ".CfcProfitRule", a.CfcProfitRule, b.CfcProfitRule);
    c(p + ".CfcNumber", a.CfcNumber, b.CfcNumber);
    c(p + ".Trades.Count", a.Trades.size(), b.Trades.size());
    for (size_t i = 0; i < std::min(a.Trades.size(), b.Trades.size()); ++i)
        c(p + ".Trades[" + std::to_string(i) + "]", saleTexts(a.Trades[i]), saleTexts(b.Trades[i]));
}

void compareBusiness(Comparer& c, const std::string& p, const mTBusinessNew& a, const mTBusinessNew& b) {
    c(p + ".ActivityKind", a.ActivityKind, b.ActivityKind);
    c(p + ".OkvedCode", a.OkvedCode, b.OkvedCode);
    c(p + ".Itemized", a.Itemized, b.Itemized);
    c(p + ".Income", a.Income, b.Income);
    c(p + ".ExpensesTotal", a.ExpensesTotal, b.ExpensesTotal);
    c(p + ".MaterialExpenses", a.MaterialExpenses, b.MaterialExpenses);
    c(p + ".Depreciation", a.Depreciation, b.Depreciation);
    c(p + ".Labour", a.Labour, b.Labour);
    c(p + ".LabourContracts", a.LabourContracts, b.LabourContracts);
    c(p + ".OtherExpenses", a.OtherExpenses, b.OtherExpenses);
    c.array(p + ".FurtherExpenses", a.FurtherExpenses, b.FurtherExpenses);
    c(p + ".NormExpenses", a.NormExpenses, b.NormExpenses);
}

void compareStandard(Comparer& c, const std::string& p, const mTStandartDeduct& a, const mTStandartDeduct& b) {
    c(p + ".Granted", a.Granted, b.Granted);
    c(p + ".PersonalCode", a.PersonalCode, b.PersonalCode);
    c(p + ".ChildStatus", a.ChildStatus, b.ChildStatus);
    c(p + ".ChildrenConstant", a.ChildrenConstant, b.ChildrenConstant);
    c(p + ".ChildrenCount", a.ChildrenCount, b.ChildrenCount);
    c.array(p + ".MonthlyChildren", a.MonthlyChildren, b.MonthlyChildren);
    c(p + ".DisabledConstant", a.DisabledConstant, b.DisabledConstant);
    c(p + ".DisabledCount", a.DisabledCount, b.DisabledCount);
    c.array(p + ".MonthlyDisabled", a.MonthlyDisabled, b.MonthlyDisabled);
    c(p + ".ThirdConstant", a.ThirdConstant, b.ThirdConstant);
    c(p + ".ThirdCount", a.ThirdCount, b.ThirdCount);
    c.array(p + ".MonthlyThird", a.MonthlyThird, b.MonthlyThird);
    c(p + ".EntrepreneurMonthsPresent", a.EntrepreneurMonthsPresent, b.EntrepreneurMonthsPresent);
    c.array(p + ".MonthlyIncomes", a.MonthlyIncomes, b.MonthlyIncomes);
    c.array(p + ".MonthlyExpenses", a.MonthlyExpenses, b.MonthlyExpenses);
    c.array(p + ".MonthMarks", a.MonthMarks, b.MonthMarks);
    c(p + ".MonthlyCodesPresent", a.MonthlyCodesPresent, b.MonthlyCodesPresent);
    c.array(p + ".MonthlyPersonalCodes", a.MonthlyPersonalCodes, b.MonthlyPersonalCodes);
    c(p + ".MonthlyStatusPresent", a.MonthlyStatusPresent, b.MonthlyStatusPresent);
    c.array(p + ".MonthlySingleParentMarks", a.MonthlySingleParentMarks, b.MonthlySingleParentMarks);
    c(p + ".Guardian", a.Guardian, b.Guardian);
}

void compareSocial(Comparer& c, const std::string& p, const mTSocialDeduct& a, const mTSocialDeduct& b) {
    c(p + ".Granted", a.Granted, b.Granted);
    c(p + ".Charity", a.Charity, b.Charity);
    c(p + ".OwnEducation", a.OwnEducation, b.OwnEducation);
    c(p + ".ChildEducationCount", a.ChildEducationCount(), b.ChildEducationCount());
    for (size_t i = 0; i < std::min(a.ChildEducationCount(), b.ChildEducationCount()); ++i)
        c(p + ".ChildEducation[" + std::to_string(i) + "]", a.ChildEducation(i), b.ChildEducation(i));
    c(p + ".Medical", a.Medical, b.Medical);
    c(p + ".ExpensiveMedical", a.ExpensiveMedical, b.ExpensiveMedical);
    c(p + ".VoluntaryInsurance", a.VoluntaryInsurance, b.VoluntaryInsurance);
    c(p + ".AdditionalPensionContributions", a.AdditionalPensionContributions, b.AdditionalPensionContributions);
    c(p + ".AgentSocialDeductions", a.AgentSocialDeductions, b.AgentSocialDeductions);
    c(p + ".QualificationAssessment", a.QualificationAssessment, b.QualificationAssessment);
    c.list(p + ".Contracts", a.Contracts(), b.Contracts(), [&](const std::string& q, const mTPens& x, const mTPens& y) {
        c(q + ".ContractKind", x.ContractKind, y.ContractKind);
        c(q + ".OrganizationName", x.OrganizationName, y.OrganizationName);
        c(q + ".Inn", x.Inn, y.Inn);
        c(q + ".Kpp", x.Kpp, y.Kpp);
        c(q + ".ContractNumber", x.ContractNumber, y.ContractNumber);
        c(q + ".ContractDate", x.ContractDate, y.ContractDate);
        c(q + ".Contribution", x.Contribution, y.Contribution);
        c(q + ".ContributionToDeduct", x.ContributionToDeduct, y.ContributionToDeduct);
        c(q + ".AgentDeduction", x.AgentDeduction, y.AgentDeduction);
    });
}

void compareProperty(Comparer& c, const std::string& p, const mTConstructionDeduct& a, const mTConstructionDeduct& b) {
    c(p + ".Granted", a.Granted, b.Granted);
    c(p + ".FirstCarried", a.FirstCarried, b.FirstCarried);
    c.working(p + ".FirstWorking", a.FirstWorking, b.FirstWorking);
    c(p + ".SecondCarried", a.SecondCarried, b.SecondCarried);
    c.working(p + ".SecondWorking", a.SecondWorking, b.SecondWorking);
    c(p + ".PreviousYearsPurchase", a.PreviousYearsPurchase, b.PreviousYearsPurchase);
    c(p + ".PreviousYearsInterest", a.PreviousYearsInterest, b.PreviousYearsInterest);
    c(p + ".AgentPurchase", a.AgentPurchase, b.AgentPurchase);
    c(p + ".AgentInterest", a.AgentInterest, b.AgentInterest);
    c.list(p + ".Objects", a.Objects(), b.Objects(),
           [&](const std::string& q, const mTConstructionDeductObj& x, const mTConstructionDeductObj& y) {
               c(q + ".ObjectKind", x.ObjectKind, y.ObjectKind);
               c(q + ".OwnershipKind", x.OwnershipKind, y.OwnershipKind);
               c(q + ".Number", x.Number, y.Number);
               c(q + ".Place", x.Place, y.Place);
               c(q + ".NumberKind", x.NumberKind, y.NumberKind);
               c(q + ".TaxpayerSign", x.TaxpayerSign, y.TaxpayerSign);
               c(q + ".OwnershipRegistrationDate", x.OwnershipRegistrationDate, y.OwnershipRegistrationDate);
               c(q + ".LandRegistrationDate", x.LandRegistrationDate, y.LandRegistrationDate);
               c(q + ".TransferActDate", x.TransferActDate, y.TransferActDate);
               c(q + ".ApplicationDate", x.ApplicationDate, y.ApplicationDate);
               c(q + ".FirstYearOfUse", x.FirstYearOfUse, y.FirstYearOfUse);
               c(q + ".ShareNumerator", x.ShareNumerator, y.ShareNumerator);
               c(q + ".ShareDenominator", x.ShareDenominator, y.ShareDenominator);
               c(q + ".Cost", x.Cost, y.Cost);
               c(q + ".Interest", x.Interest, y.Interest);
               c(q + ".ByInvestment", x.ByInvestment, y.ByInvestment);
               c(q + ".Pensioner", x.Pensioner, y.Pensioner);
           });
}

void compareHeader(Comparer& c, const mTDeclaration& a, const mTDeclaration& b) {
    c("InspectionCode", a.InspectionCode, b.InspectionCode);
    c("InspectionName", a.InspectionName, b.InspectionName);
    c("ReservedByte", a.ReservedByte, b.ReservedByte);
    c("CorrectionNumber", a.CorrectionNumber, b.CorrectionNumber);
    c("DocumentDate", a.DocumentDate, b.DocumentDate);
    c("SignerKind", a.SignerKind, b.SignerKind);
    c("TaxpayerCategory", a.TaxpayerCategory, b.TaxpayerCategory);
    c("DeclarationForm", a.DeclarationForm, b.DeclarationForm);
    c("IncomeFlags", a.IncomeFlags(), b.IncomeFlags());
    c("AppendixCountLocked", a.AppendixCountLocked, b.AppendixCountLocked);
    c("AppendixCount", a.AppendixCount, b.AppendixCount);
    c("ForeignAppendixValue", a.ForeignAppendixValue, b.ForeignAppendixValue);
    c("ReservedNumber1", a.ReservedNumber1, b.ReservedNumber1);
    c("MonthsWorked", a.MonthsWorked, b.MonthsWorked);
    c("ReservedNumber2", a.ReservedNumber2, b.ReservedNumber2);
    c("ReservedNumber3", a.ReservedNumber3, b.ReservedNumber3);
    c("ReservedNumber4", a.ReservedNumber4, b.ReservedNumber4);
    c("ReservedNumber5", a.ReservedNumber5, b.ReservedNumber5);
    c("ReservedNumber6", a.ReservedNumber6, b.ReservedNumber6);
    c("ReservedNumber7", a.ReservedNumber7, b.ReservedNumber7);
    c("RepresentativeDocument", a.RepresentativeDocument, b.RepresentativeDocument);
    c("EstimatedIncome", a.EstimatedIncome, b.EstimatedIncome);
    c("RepresentativeName", a.RepresentativeName, b.RepresentativeName);
    c("RepresentativeOrganization", a.RepresentativeOrganization, b.RepresentativeOrganization);
    c("ForeignerFixedPayments", a.ForeignerFixedPayments, b.ForeignerFixedPayments);
    c("InvestmentDeductionE2", a.InvestmentDeductionE2, b.InvestmentDeductionE2);
    c("InvestmentDeductionReturn", a.InvestmentDeductionReturn, b.InvestmentDeductionReturn);
    c("InvestmentDeductionZ", a.InvestmentDeductionZ, b.InvestmentDeductionZ);
    c("InvestmentDeductionI", a.InvestmentDeductionI, b.InvestmentDeductionI);
    c("ActualPrepayments", a.ActualPrepayments, b.ActualPrepayments);
    c("AccruedPrepayments", a.AccruedPrepayments, b.AccruedPrepayments);
    c("ReservedMoney", a.ReservedMoney, b.ReservedMoney);
    c("IsFarm", a.IsFarm, b.IsFarm);
    c("FarmRegistrationDate", a.FarmRegistrationDate, b.FarmRegistrationDate);
    c("FarmExemptIncome", a.FarmExemptIncome, b.FarmExemptIncome);
    c("CorrectedBase", a.CorrectedBase, b.CorrectedBase);
    c("CorrectedTax", a.CorrectedTax, b.CorrectedTax);
    c("TradeFee", a.TradeFee, b.TradeFee);
    c("PatentPayments", a.PatentPayments, b.PatentPayments);
}

}  // namespace

std::vector<std::string> CompareDeclarations(const mTDeclaration& a, const mTDeclaration& b, CompareMode mode) {
    Comparer c(mode);
    compareHeader(c, a, b);
    comparePerson(c, "Person", a.Person, b.Person);
    c.list("ResidentIncomes13", a.ResidentIncomes13(), b.ResidentIncomes13(),
           [&](const std::string& p, auto& x, auto& y) { compare13(c, p, x, y); });
    c.list("NonResidentIncomes13", a.NonResidentIncomes13(), b.NonResidentIncomes13(),
           [&](const std::string& p, auto& x, auto& y) { compare13(c, p, x, y); });
    c.list("Incomes35", a.Incomes35(), b.Incomes35(),
           [&](const std::string& p, auto& x, auto& y) { compare35(c, p, x, y); });
    c.list("Incomes30", a.Incomes30(), b.Incomes30(),
           [&](const std::string& p, auto& x, auto& y) { compare30(c, p, x, y); });
    c.list("Incomes9", a.Incomes9(), b.Incomes9(),
           [&](const std::string& p, auto& x, auto& y) { compare30(c, p, x, y); });
    c.list("CurrencyIncomes", a.CurrencyIncomes(), b.CurrencyIncomes(),
           [&](const std::string& p, auto& x, auto& y) { compareCurrency(c, p, x, y); });
    c.list("BusinessIncomes", a.BusinessIncomes(), b.BusinessIncomes(),
           [&](const std::string& p, auto& x, auto& y) { compareBusiness(c, p, x, y); });
    c.list("InvestPartnershipIncomes", a.InvestPartnershipIncomes(), b.InvestPartnershipIncomes(),
           [&](const std::string& p, auto& x, auto& y) { compareInvest(c, p, x, y); });
    c.list("TaxPayments", a.TaxPayments(), b.TaxPayments(), [&](const std::string& p, auto& x, auto& y) {
        c(p + ".FirstText", x.FirstText, y.FirstText);
        c(p + ".SecondText", x.SecondText, y.SecondText);
        c(p + ".Amount", x.Amount, y.Amount);
    });
    compareStandard(c, "StandardDeductions", a.StandardDeductions, b.StandardDeductions);
    compareSocial(c, "SocialDeductions", a.SocialDeductions, b.SocialDeductions);
    compareProperty(c, "PropertyDeductions", a.PropertyDeductions, b.PropertyDeductions);
    c.array("SecuritiesDeductions", a.SecuritiesDeductions.Values, b.SecuritiesDeductions.Values);
    c.array("IisDeductions", a.IisDeductions.Values, b.IisDeductions.Values);
    return std::move(c.m_diffs);
}

::testing::AssertionResult SameDeclaration(const mTDeclaration& a, const mTDeclaration& b, CompareMode mode) {
    auto diffs = CompareDeclarations(a, b, mode);
    if (diffs.empty())
        return ::testing::AssertionSuccess();
    auto r = ::testing::AssertionFailure();
    r << diffs.size() << " difference(s):";
    for (size_t i = 0; i < diffs.size() && i < 20; ++i)
        r << "\n  " << diffs[i];
    return r;
}

}  // namespace zizaza::testsupport
